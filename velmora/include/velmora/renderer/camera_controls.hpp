#pragma once
// Moving the camera with the mouse and two keys: drag to pan (right button,
// or left with LShift), rotate (middle button, or left or right with LCtrl),
// wheel to zoom, I to reset, O to toggle the perspective.
#include <functional>
#include <optional>

#include <kimbly/vec2.hpp>
#include <tarnwick/events.hpp>

#include "velmora/camera.hpp"

namespace velmora::renderer {

class CameraControls {
public:
    // Asked whether a key is held, as the window knows it.
    using KeyPressed = std::function<bool(tarnwick::events::Key)>;

    // A right-button press becomes a drag only after the cursor went further
    // than this, so that a click stays a click.
    static constexpr float DRAG_THRESHOLD = 5.0f;
    static constexpr float MIN_ATTACK = 0.2f;
    static constexpr float MIN_DISTANCE = 4.0f;
    static constexpr float MAX_DISTANCE = 1024.0f;
    // Wheel delta that halves the distance.
    static constexpr float ZOOM_HALVING_DELTA = 300.0f;

    explicit CameraControls(KeyPressed is_key_pressed);

    // Changes the camera in place; true when the event was used, so that
    // nothing else handles it.
    bool handle_event(const tarnwick::events::Event& event, camera::Camera& camera);

    // The renderer records the size of what it drew into after each draw.
    void set_framebuffer_size(kimbly::Vec2Usize size) { framebuffer_size_ = size; }
    kimbly::Vec2Usize framebuffer_size() const { return framebuffer_size_; }

private:
    bool mouse_down(kimbly::Vec2F32 position, tarnwick::events::MouseButton button);
    bool mouse_up();
    bool mouse_move(kimbly::Vec2F32 position, camera::Camera& camera);
    void drag(kimbly::Vec2F32 position, camera::Camera& camera) const;
    void rotate(kimbly::Vec2F32 position, camera::Camera& camera) const;
    void zoom(float delta, camera::Camera& camera) const;
    // The point of the ground seen at the pixel; none above the horizon.
    std::optional<kimbly::Vec2F32> ground_point(const camera::Camera& camera, kimbly::Vec2F32 pixel) const;

    KeyPressed is_key_pressed_;
    kimbly::Vec2Usize framebuffer_size_{1, 1};
    kimbly::Vec2F32 last_position_{0.0f, 0.0f};
    bool rotating_ = false;
    // Where the right button went down, until it becomes a drag.
    std::optional<kimbly::Vec2F32> drag_candidate_;
    bool dragging_ = false;
};

}  // namespace velmora::renderer
