#pragma once
#include <string>

namespace kimbly {

// The calling thread's call stack, one frame per line, innermost first,
// without the frames of the capture itself.
std::string capture_backtrace();

}  // namespace kimbly
