#pragma once
// The input vocabulary shared by the window, the screens, the renderers and
// the players' debug state (which names the held keys):
// keys, mouse buttons and the input event. Positions are framebuffer pixels
// with the origin at the lower-left corner, y upwards.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <variant>
#include <vector>

#include <kimbly/vec2.hpp>

namespace kimbly::events {

using Position = Vec2F64;

enum class Key : std::uint8_t {
    Num0, Num1, Num2, Num3, Num4, Num5, Num6, Num7, Num8, Num9,
    A, B, C, D, E, F, G, H, I, J, K, L, M, N, O, P, Q, R, S, T, U, V, W, X, Y, Z,
    Escape, Space, Enter, Backspace,
    LShift, RShift, LCtrl, RCtrl, LAlt, RAlt,
    Left, Right, Up, Down, PageUp, PageDown,
    F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11, F12,
    Unknown,
};

inline constexpr std::size_t KEY_COUNT = static_cast<std::size_t>(Key::Unknown) + 1;

// The text form of each key, in the order of the enumerators; player
// programs receive the held keys by these names.
inline constexpr std::array<std::string_view, KEY_COUNT> KEY_NAMES = {
    "Num0", "Num1", "Num2", "Num3", "Num4", "Num5", "Num6", "Num7", "Num8", "Num9",
    "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "N", "O", "P", "Q", "R", "S", "T", "U", "V",
    "W", "X", "Y", "Z",
    "Escape", "Space", "Enter", "Backspace",
    "LShift", "RShift", "LCtrl", "RCtrl", "LAlt", "RAlt",
    "Left", "Right", "Up", "Down", "PageUp", "PageDown",
    "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12",
    "Unknown",
};

static_assert(KEY_NAMES[static_cast<std::size_t>(Key::Z)] == "Z" && KEY_NAMES[static_cast<std::size_t>(Key::F1)] == "F1" &&
              KEY_NAMES.back() == "Unknown");

constexpr std::string_view key_name(Key key) { return KEY_NAMES[static_cast<std::size_t>(key)]; }

enum class MouseButton : std::uint8_t { Left, Middle, Right };

constexpr std::string_view mouse_button_name(MouseButton button) {
    constexpr std::array<std::string_view, 3> names = {"Left", "Middle", "Right"};
    return names[static_cast<std::size_t>(button)];
}

struct MouseDown {
    kimbly::Vec2F64 position;
    MouseButton button = MouseButton::Left;
};
struct MouseUp {
    kimbly::Vec2F64 position;
    MouseButton button = MouseButton::Left;
};
struct MouseMove {
    kimbly::Vec2F64 position;
};
// Positive scrolls away from the user; one wheel line is 51.
struct Wheel {
    double delta = 0;
};
struct TouchStart {
    std::vector<kimbly::Vec2F64> touches;
};
struct TouchMove {
    std::vector<kimbly::Vec2F64> touches;
};
struct TouchEnd {};
struct KeyDown {
    Key key = Key::Unknown;
};
struct KeyUp {
    Key key = Key::Unknown;
};

using Event = std::variant<MouseDown, MouseUp, MouseMove, Wheel, TouchStart, TouchMove, TouchEnd, KeyDown, KeyUp>;

}  // namespace kimbly::events
