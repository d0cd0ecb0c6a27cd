#include <GLFW/glfw3.h>

#include <array>
#include <utility>

#include "vindle/window.hpp"

namespace vindle::window {

using events::Key;

namespace {

// Keys outside the contiguous runs of digits, letters and F1 to F12.
constexpr std::array<std::pair<int, Key>, 16> SINGLE_KEYS{{
    {GLFW_KEY_ESCAPE, Key::Escape},
    {GLFW_KEY_SPACE, Key::Space},
    {GLFW_KEY_ENTER, Key::Enter},
    {GLFW_KEY_BACKSPACE, Key::Backspace},
    {GLFW_KEY_LEFT_SHIFT, Key::LShift},
    {GLFW_KEY_RIGHT_SHIFT, Key::RShift},
    {GLFW_KEY_LEFT_CONTROL, Key::LCtrl},
    {GLFW_KEY_RIGHT_CONTROL, Key::RCtrl},
    {GLFW_KEY_LEFT_ALT, Key::LAlt},
    {GLFW_KEY_RIGHT_ALT, Key::RAlt},
    {GLFW_KEY_LEFT, Key::Left},
    {GLFW_KEY_RIGHT, Key::Right},
    {GLFW_KEY_UP, Key::Up},
    {GLFW_KEY_DOWN, Key::Down},
    {GLFW_KEY_PAGE_UP, Key::PageUp},
    {GLFW_KEY_PAGE_DOWN, Key::PageDown},
}};

Key offset(Key first, int by) { return static_cast<Key>(static_cast<int>(first) + by); }

}  // namespace

std::optional<Key> key_of(int code) {
    if (code == GLFW_KEY_UNKNOWN) return std::nullopt;
    if (code >= GLFW_KEY_0 && code <= GLFW_KEY_9) return offset(Key::Num0, code - GLFW_KEY_0);
    if (code >= GLFW_KEY_A && code <= GLFW_KEY_Z) return offset(Key::A, code - GLFW_KEY_A);
    if (code >= GLFW_KEY_F1 && code <= GLFW_KEY_F12) return offset(Key::F1, code - GLFW_KEY_F1);
    for (auto [glfw, key] : SINGLE_KEYS) {
        if (glfw == code) return key;
    }
    return Key::Unknown;
}

}  // namespace vindle::window
