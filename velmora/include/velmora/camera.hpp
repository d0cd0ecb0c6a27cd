#pragma once
// How the ground plane (z = 0, x and y in cells) is looked at. The viewer
// draws with it, player programs receive it with their debug state, and the
// keyboard player turns mouse positions into cells with it.
//
// Framebuffer positions are pixels with (0, 0) where normalised device
// coordinates are (-1, -1), x to the right and y upwards.
#include <nlohmann/json_fwd.hpp>

#include <kimbly/mat4.hpp>
#include <kimbly/vec2.hpp>
#include <pakko/describe.hpp>
#include <pakko/traits.hpp>

namespace velmora::camera {

// π/2 as the 32-bit float every camera computation uses.
inline constexpr float HALF_PI = 1.5707964f;

struct Camera {
    // The ground point looked at.
    kimbly::Vec2F32 center{0.0f, 0.0f};
    // Turn of the view about the vertical axis, in radians.
    float rotation = 0.0f;
    // Angle between the line of sight and the ground; HALF_PI looks straight down.
    float attack = HALF_PI;
    // From the eye to `center`; without perspective, half the visible height.
    float distance = 32.0f;
    bool perspective = true;

    bool operator==(const Camera&) const = default;

    // Perspective with a vertical field of view of HALF_PI, or a parallel
    // projection showing 2 * distance from the bottom edge to the top.
    kimbly::Mat4F32 projection_matrix(kimbly::Vec2Usize framebuffer_size) const;
    // Moves the centre to the origin, turns, tilts and pushes the ground
    // `distance` away from the eye, which looks along -z.
    kimbly::Mat4F32 view_matrix() const;
    // Projection times view for a framebuffer of this size in pixels.
    kimbly::Mat4F32 matrix(kimbly::Vec2Usize framebuffer_size) const;

    // The ground point seen at a framebuffer pixel. Above the horizon of a
    // tilted view this is the intersection behind the eye; a line of sight
    // parallel to the ground gives a non-finite point.
    kimbly::Vec2F32 screen_to_world(kimbly::Vec2Usize framebuffer_size, kimbly::Vec2F32 position) const;
    kimbly::Vec2F32 world_to_screen(kimbly::Vec2Usize framebuffer_size, kimbly::Vec2F32 point) const;
};

constexpr auto pakko_describe(pakko::Tag<Camera>) {
    using pakko::doc, pakko::en, pakko::ru, pakko::field;
    return pakko::record<Camera>(
        "Camera", doc(ru("Камера используемая для отрисовки"), en("Camera used for rendering")),
        field("center", &Camera::center,
              doc(en("Center point at which camera is looking"), ru("Точка на которую смотрит камера"))),
        field("rotation", &Camera::rotation, doc(en("Rotation angle"), ru("Угол поворота"))),
        field("attack", &Camera::attack, doc(ru("Угол атаки"), en("Attack angle"))),
        field("distance", &Camera::distance, doc(en("Distance to center"), ru("Расстояние до цели"))),
        field("perspective", &Camera::perspective,
              doc(en("Whether perspective is applied"), ru("Применяется ли перспектива"))));
}

// Used for the JSON form: a field that is not finite is written as its
// default value, since the reader refuses null and a refused camera would
// lose every preference saved beside it.
Camera with_finite_fields(const Camera& camera);

}  // namespace velmora::camera

template <>
struct pakko::Traits<velmora::camera::Camera> {
    static nlohmann::ordered_json to_json(const velmora::camera::Camera& camera);
};
