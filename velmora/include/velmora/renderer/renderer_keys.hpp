#pragma once
// The keys the game renderer answers when the camera controls did not use
// them: the digits choose whose sight the views show, V switches the view.
#include <cstddef>
#include <optional>
#include <variant>

#include <kimbly/events.hpp>

#include "velmora/renderer/preferences.hpp"

namespace velmora::renderer {

// None shows every player's sight.
struct SetPlayerFilter {
    std::optional<std::size_t> player_index;
};
struct ToggleMode {};
using KeyAction = std::variant<SetPlayerFilter, ToggleMode>;

// Num0 all players, Num1 to Num4 player indices 0 to 3, V the other view;
// none for every other key.
std::optional<KeyAction> key_action(kimbly::events::Key key);

RendererMode toggled(RendererMode mode);

}  // namespace velmora::renderer
