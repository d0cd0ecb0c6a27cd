#pragma once
// The engine's input events are the shared input vocabulary, so that screens
// and renderers outside the engine handle them without converting.
#include <kimbly/events.hpp>

namespace vindle {
namespace events = kimbly::events;
}  // namespace vindle
