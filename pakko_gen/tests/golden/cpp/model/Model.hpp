#ifndef _MODEL_HPP_
#define _MODEL_HPP_

#include "Vec2Int.hpp"
#include "Single.hpp"
#include "UnitKind.hpp"
#include "Squad.hpp"
#include "Team.hpp"
#include "Command.hpp"
#include "Nothing.hpp"
#include "Grid.hpp"

#endif
