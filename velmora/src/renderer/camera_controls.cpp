#include "velmora/renderer/camera_controls.hpp"

#include <algorithm>
#include <cmath>
#include <type_traits>
#include <utility>

namespace velmora::renderer {

namespace {

using kimbly::Vec2F32;
using namespace tarnwick::events;

Vec2F32 to_f32(kimbly::Vec2F64 position) { return {static_cast<float>(position.x), static_cast<float>(position.y)}; }

bool is_finite(Vec2F32 v) { return std::isfinite(v.x) && std::isfinite(v.y); }

// The centre that brings the ground point `from` to where `to` is seen now.
// At a low attack the horizon is in view, and a pixel on or above it has no
// ground point: such a step is dropped rather than storing a NaN camera,
// which the preferences would then refuse, losing every setting at the next
// start, or jumping to a point behind the eye.
std::optional<Vec2F32> shifted_center(Vec2F32 center, std::optional<Vec2F32> from, std::optional<Vec2F32> to) {
    if (!from || !to) return std::nullopt;
    Vec2F32 shifted = center + (*from - *to);
    if (!is_finite(shifted)) return std::nullopt;
    return shifted;
}

}  // namespace

CameraControls::CameraControls(KeyPressed is_key_pressed) : is_key_pressed_(std::move(is_key_pressed)) {}

bool CameraControls::handle_event(const Event& event, camera::Camera& camera) {
    return std::visit(
        [&](const auto& e) -> bool {
            using E = std::decay_t<decltype(e)>;
            if constexpr (std::is_same_v<E, MouseDown>) {
                return mouse_down(to_f32(e.position), e.button);
            } else if constexpr (std::is_same_v<E, MouseUp>) {
                return mouse_up();
            } else if constexpr (std::is_same_v<E, MouseMove>) {
                return mouse_move(to_f32(e.position), camera);
            } else if constexpr (std::is_same_v<E, Wheel>) {
                zoom(static_cast<float>(e.delta), camera);
                return true;
            } else if constexpr (std::is_same_v<E, KeyDown>) {
                if (e.key == Key::I) {
                    camera = camera::Camera{};
                    return true;
                }
                if (e.key == Key::O) {
                    camera.perspective = !camera.perspective;
                    return true;
                }
                return false;
            } else {
                return false;
            }
        },
        event);
}

bool CameraControls::mouse_down(Vec2F32 position, MouseButton button) {
    last_position_ = position;
    // Only the left-hand modifiers count.
    switch (button) {
        case MouseButton::Left:
            if (is_key_pressed_(Key::LShift)) {
                dragging_ = true;
                return true;
            }
            if (is_key_pressed_(Key::LCtrl)) {
                rotating_ = true;
                return true;
            }
            return false;
        case MouseButton::Middle:
            rotating_ = true;
            return true;
        case MouseButton::Right:
            if (is_key_pressed_(Key::LCtrl)) {
                rotating_ = true;
            } else {
                drag_candidate_ = position;
            }
            return true;
    }
    return false;
}

bool CameraControls::mouse_up() {
    const bool was_used = dragging_ || rotating_;
    dragging_ = false;
    rotating_ = false;
    drag_candidate_.reset();
    return was_used;
}

bool CameraControls::mouse_move(Vec2F32 position, camera::Camera& camera) {
    if (drag_candidate_ && (position - *drag_candidate_).length() > DRAG_THRESHOLD) {
        // The first step covers the whole way from the press.
        last_position_ = *drag_candidate_;
        dragging_ = true;
        drag_candidate_.reset();
    }
    if (dragging_) drag(position, camera);
    if (rotating_) rotate(position, camera);
    last_position_ = position;
    return rotating_ || dragging_;
}

void CameraControls::drag(Vec2F32 position, camera::Camera& camera) const {
    const auto center =
        shifted_center(camera.center, ground_point(camera, last_position_), ground_point(camera, position));
    if (center) camera.center = *center;
}

void CameraControls::rotate(Vec2F32 position, camera::Camera& camera) const {
    // The full height of the window turns the camera by 2 radians.
    const auto height = static_cast<float>(framebuffer_size_.y);
    camera.rotation += 2.0f * (position.x - last_position_.x) / height;
    camera.attack -= 2.0f * (position.y - last_position_.y) / height;
    camera.attack = std::clamp(camera.attack, MIN_ATTACK, camera::HALF_PI);
}

void CameraControls::zoom(float delta, camera::Camera& camera) const {
    const auto before = ground_point(camera, last_position_);
    camera.distance =
        std::clamp(camera.distance / std::pow(2.0f, delta / ZOOM_HALVING_DELTA), MIN_DISTANCE, MAX_DISTANCE);
    // The ground point under the cursor stays put; with the cursor above the
    // horizon the zoom is about the centre.
    const auto center = shifted_center(camera.center, before, ground_point(camera, last_position_));
    if (center) camera.center = *center;
}

std::optional<Vec2F32> CameraControls::ground_point(const camera::Camera& camera, Vec2F32 pixel) const {
    const Vec2F32 point = camera.screen_to_world(framebuffer_size_, pixel);
    if (!is_finite(point)) return std::nullopt;
    // The line through the pixel meets the ground behind the eye when the
    // pixel is above the horizon: there the point is not seen at all.
    const auto clip = camera.matrix(framebuffer_size_) * kimbly::Mat4F32::Column{point.x, point.y, 0.0f, 1.0f};
    if (!(clip[3] > 0.0f)) return std::nullopt;
    return point;
}

}  // namespace velmora::renderer
