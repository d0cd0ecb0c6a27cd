#pragma once
// The geometric value types together: vectors, boxes and matrices.
#include "kimbly/aabb.hpp"
#include "kimbly/mat4.hpp"
#include "kimbly/num.hpp"
#include "kimbly/vec2.hpp"
#include "kimbly/vec3.hpp"
