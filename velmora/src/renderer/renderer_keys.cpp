#include "velmora/renderer/renderer_keys.hpp"

namespace velmora::renderer {

using kimbly::events::Key;

std::optional<KeyAction> key_action(Key key) {
    switch (key) {
        case Key::Num0: return SetPlayerFilter{std::nullopt};
        case Key::Num1: return SetPlayerFilter{0};
        case Key::Num2: return SetPlayerFilter{1};
        case Key::Num3: return SetPlayerFilter{2};
        case Key::Num4: return SetPlayerFilter{3};
        case Key::V: return ToggleMode{};
        default: return std::nullopt;
    }
}

RendererMode toggled(RendererMode mode) {
    return mode == RendererMode::Schematic ? RendererMode::Space : RendererMode::Schematic;
}

}  // namespace velmora::renderer
