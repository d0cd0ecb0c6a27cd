#ifndef _MODEL_HPP_
#define _MODEL_HPP_

#include "Vec2Int.hpp"

#endif
