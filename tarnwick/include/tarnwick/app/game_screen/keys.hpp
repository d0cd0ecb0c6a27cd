#pragma once
// The game screen's keys: which ones it keeps for itself, and which ones go
// on to the renderer.
#include <kimbly/events.hpp>

namespace tarnwick::app::game_screen {

enum class KeyAction {
    SaveGameState,
    SaveGameLog,
    ToggleFullscreen,
    TogglePause,
    Leave,
    StepBack,
    StepForward,
    ToRenderer,
};

// Only the left Ctrl counts as the modifier; stepping works only while paused.
KeyAction route_key(kimbly::events::Key key, bool left_ctrl_held, bool paused);

}  // namespace tarnwick::app::game_screen
