#ifndef _MODEL_HPP_
#define _MODEL_HPP_

#include "Grid.hpp"

#endif
