#ifndef _MODEL_HPP_
#define _MODEL_HPP_

#include "Single.hpp"
#include "UnitKind.hpp"

#endif
