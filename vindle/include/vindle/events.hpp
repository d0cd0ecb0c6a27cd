#pragma once
// The engine's input events, in framebuffer pixels with the origin at the
// lower-left corner and y up.
#include <variant>
#include <vector>

#include <kimbly/vec2.hpp>

namespace vindle::events {

// clang-format off
enum class Key {
    Num0, Num1, Num2, Num3, Num4, Num5, Num6, Num7, Num8, Num9,
    A, B, C, D, E, F, G, H, I, J, K, L, M, N, O, P, Q, R, S, T, U, V, W, X, Y, Z,
    Escape, Space, Enter, Backspace, LShift, RShift, LCtrl, RCtrl, LAlt, RAlt,
    Left, Right, Up, Down, PageUp, PageDown,
    F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11, F12,
    Unknown,
};
// clang-format on

enum class MouseButton { Left, Middle, Right };

using Position = kimbly::Vec2<double>;

struct MouseDown {
    Position position;
    MouseButton button;
};
struct MouseUp {
    Position position;
    MouseButton button;
};
struct MouseMove {
    Position position;
};
struct Wheel {
    double delta = 0.0;
};
struct TouchStart {
    std::vector<Position> touches;
};
struct TouchMove {
    std::vector<Position> touches;
};
struct TouchEnd {};
struct KeyDown {
    Key key;
};
struct KeyUp {
    Key key;
};

using Event = std::variant<MouseDown, MouseUp, MouseMove, Wheel, TouchStart, TouchMove, TouchEnd, KeyDown, KeyUp>;

}  // namespace vindle::events
