#include "velmora/camera.hpp"

#include <cmath>

#include <pakko/json.hpp>

namespace velmora::camera {

namespace {

using kimbly::Mat4F32;

float finite_or(float value, float fallback) { return std::isfinite(value) ? value : fallback; }

}  // namespace

Mat4F32 Camera::projection_matrix(kimbly::Vec2Usize framebuffer_size) const {
    auto width = static_cast<float>(framebuffer_size.x);
    auto height = static_cast<float>(framebuffer_size.y);
    if (perspective) return Mat4F32::perspective(HALF_PI, width / height, 0.1f, 100000.0f);
    Mat4F32 m;
    m.at(0, 0) = (height / width) / distance;
    m.at(1, 1) = 1.0f / distance;
    m.at(2, 2) = -0.001f;
    m.at(3, 3) = 1.0f;
    return m;
}

Mat4F32 Camera::view_matrix() const {
    return Mat4F32::translation(0.0f, 0.0f, -distance) * Mat4F32::rotation_x(attack - HALF_PI) *
           Mat4F32::rotation_z(rotation) * Mat4F32::translation(-center.x, -center.y, 0.0f);
}

Mat4F32 Camera::matrix(kimbly::Vec2Usize framebuffer_size) const {
    return projection_matrix(framebuffer_size) * view_matrix();
}

kimbly::Vec2F32 Camera::world_to_screen(kimbly::Vec2Usize framebuffer_size, kimbly::Vec2F32 point) const {
    auto width = static_cast<float>(framebuffer_size.x);
    auto height = static_cast<float>(framebuffer_size.y);
    auto clip = matrix(framebuffer_size) * Mat4F32::Column{point.x, point.y, 0.0f, 1.0f};
    float nx = clip[0] / clip[3];
    float ny = clip[1] / clip[3];
    return {(nx + 1.0f) * 0.5f * width, (ny + 1.0f) * 0.5f * height};
}

kimbly::Vec2F32 Camera::screen_to_world(kimbly::Vec2Usize framebuffer_size, kimbly::Vec2F32 position) const {
    auto width = static_cast<float>(framebuffer_size.x);
    auto height = static_cast<float>(framebuffer_size.y);
    float nx = position.x / width * 2.0f - 1.0f;
    float ny = position.y / height * 2.0f - 1.0f;
    Mat4F32 inverse = matrix(framebuffer_size).inverse();
    auto a = inverse * Mat4F32::Column{nx, ny, 0.0f, 1.0f};
    auto b = inverse * Mat4F32::Column{nx, ny, 1.0f, 1.0f};
    for (auto* p : {&a, &b}) {
        float w = (*p)[3];
        for (auto& component : *p) component /= w;
    }
    float t = a[2] / (a[2] - b[2]);
    return {a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t};
}

Camera with_finite_fields(const Camera& camera) {
    const Camera defaults;
    Camera result = camera;
    result.center.x = finite_or(camera.center.x, defaults.center.x);
    result.center.y = finite_or(camera.center.y, defaults.center.y);
    result.rotation = finite_or(camera.rotation, defaults.rotation);
    result.attack = finite_or(camera.attack, defaults.attack);
    result.distance = finite_or(camera.distance, defaults.distance);
    return result;
}

}  // namespace velmora::camera

nlohmann::ordered_json pakko::Traits<velmora::camera::Camera>::to_json(const velmora::camera::Camera& camera) {
    return pakko::json::detail::record_to_json(velmora::camera::with_finite_fields(camera));
}
