#include "tarnwick/app/game_screen/keys.hpp"

namespace tarnwick::app::game_screen {

KeyAction route_key(kimbly::events::Key key, bool left_ctrl_held, bool paused) {
    using kimbly::events::Key;
    switch (key) {
        case Key::E:
            return left_ctrl_held ? KeyAction::SaveGameState : KeyAction::ToRenderer;
        case Key::S:
            return left_ctrl_held ? KeyAction::SaveGameLog : KeyAction::ToRenderer;
        case Key::F:
            return KeyAction::ToggleFullscreen;
        case Key::P:
        case Key::Space:
            return KeyAction::TogglePause;
        case Key::Escape:
            return KeyAction::Leave;
        case Key::Left:
            return paused ? KeyAction::StepBack : KeyAction::ToRenderer;
        case Key::Right:
            return paused ? KeyAction::StepForward : KeyAction::ToRenderer;
        default:
            return KeyAction::ToRenderer;
    }
}

}  // namespace tarnwick::app::game_screen
