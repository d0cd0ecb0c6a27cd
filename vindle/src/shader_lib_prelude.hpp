#pragma once
#include <string_view>

namespace vindle::shader_lib {

// Utility functions put in front of every stage: PI, 2D and 3D rotations,
// translation and scale matrices and a 2D Gaussian.
extern const std::string_view PRELUDE;

}  // namespace vindle::shader_lib
