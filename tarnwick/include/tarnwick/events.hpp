#pragma once
// The framework's screens and renderers read the same input vocabulary as
// the engine's window.
#include <kimbly/events.hpp>

namespace tarnwick {
namespace events = kimbly::events;
}  // namespace tarnwick
