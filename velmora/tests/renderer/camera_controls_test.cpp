#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "velmora/renderer/camera_controls.hpp"
#include "velmora/renderer/camera_uniforms.hpp"

namespace {

using kimbly::Vec2F32;
using kimbly::Vec2F64;
using velmora::camera::Camera;
using velmora::camera::HALF_PI;
using velmora::renderer::CameraControls;
using namespace tarnwick::events;

constexpr float CONTROLS_TOLERANCE = 1e-3f;
const kimbly::Vec2Usize SCREEN{800, 600};

// Controls over an 800x600 framebuffer with a scripted set of held keys.
struct Rig {
    std::set<Key> held;
    CameraControls controls{[this](Key key) { return held.count(key) > 0; }};
    Camera camera;

    Rig() { controls.set_framebuffer_size(SCREEN); }

    bool send(const Event& event) { return controls.handle_event(event, camera); }
    bool down(MouseButton button, Vec2F64 at) { return send(MouseDown{at, button}); }
    bool up(MouseButton button, Vec2F64 at = {}) { return send(MouseUp{at, button}); }
    bool move(Vec2F64 to) { return send(MouseMove{to}); }
    bool wheel(double delta) { return send(Wheel{delta}); }
    Vec2F32 ground(Vec2F32 pixel) const { return camera.screen_to_world(SCREEN, pixel); }
};

void expect_near(Vec2F32 actual, Vec2F32 expected, const std::string& what = "") {
    EXPECT_NEAR(actual.x, expected.x, CONTROLS_TOLERANCE) << what;
    EXPECT_NEAR(actual.y, expected.y, CONTROLS_TOLERANCE) << what;
}

bool is_finite(const Camera& camera) {
    return std::isfinite(camera.center.x) && std::isfinite(camera.center.y) && std::isfinite(camera.rotation) &&
           std::isfinite(camera.attack) && std::isfinite(camera.distance);
}

TEST(CameraControls, WhichEventsAreUsed) {
    struct Step {
        Event event;
        std::set<Key> held;
        bool used;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
        bool camera_changes;
    };
    const Vec2F64 p{400, 300};
    const Vec2F64 far{500, 300};
    const std::vector<Case> cases = {
        {"plain left click", {{MouseDown{p, MouseButton::Left}, {}, false}, {MouseUp{p, MouseButton::Left}, {}, false}},
         false},
        {"right-hand modifiers do not count",
         {{MouseDown{p, MouseButton::Left}, {Key::RShift, Key::RCtrl}, false},
          {MouseMove{far}, {Key::RShift, Key::RCtrl}, false},
          {MouseUp{far, MouseButton::Left}, {}, false}},
         false},
        {"LShift and left drags",
         {{MouseDown{p, MouseButton::Left}, {Key::LShift}, true},
          {MouseMove{far}, {}, true},
          {MouseUp{far, MouseButton::Left}, {}, true}},
         true},
        {"LCtrl and left rotates",
         {{MouseDown{p, MouseButton::Left}, {Key::LCtrl}, true},
          {MouseMove{far}, {}, true},
          {MouseUp{far, MouseButton::Left}, {}, true}},
         true},
        {"middle rotates",
         {{MouseDown{p, MouseButton::Middle}, {}, true}, {MouseMove{far}, {}, true}, {MouseUp{far, MouseButton::Middle}, {}, true}},
         true},
        {"LCtrl and right rotates",
         {{MouseDown{p, MouseButton::Right}, {Key::LCtrl}, true}, {MouseMove{far}, {}, true}},
         true},
        {"right click without a move",
         {{MouseDown{p, MouseButton::Right}, {}, true}, {MouseUp{p, MouseButton::Right}, {}, false}},
         false},
        {"any release ends a drag",
         {{MouseDown{p, MouseButton::Right}, {}, true},
          {MouseMove{far}, {}, true},
          {MouseUp{far, MouseButton::Left}, {}, true},
          {MouseMove{p}, {}, false}},
         true},
        {"a move alone", {{MouseMove{far}, {}, false}}, false},
        {"wheel", {{Wheel{51.0}, {}, true}}, true},
        {"I", {{KeyDown{Key::I}, {}, true}}, false},
        {"O", {{KeyDown{Key::O}, {}, true}}, true},
        {"other keys and releases",
         {{KeyDown{Key::P}, {}, false}, {KeyUp{Key::I}, {}, false}, {KeyUp{Key::O}, {}, false}},
         false},
        {"touches", {{TouchStart{{p}}, {}, false}, {TouchMove{{far}}, {}, false}, {TouchEnd{}, {}, false}}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            rig.held = c.steps[i].held;
            EXPECT_EQ(rig.send(c.steps[i].event), c.steps[i].used) << "step " << i;
        }
        EXPECT_EQ(!(rig.camera == Camera{}), c.camera_changes);
    }
}

TEST(CameraControls, RightDragStartsBeyondFivePixelsFromThePress) {
    Rig rig;
    rig.down(MouseButton::Right, {400, 300});
    EXPECT_FALSE(rig.move({403, 304})) << "exactly 5 pixels";
    EXPECT_EQ(rig.camera, Camera{});

    const Vec2F32 pressed_ground = rig.ground({400, 300});
    const Vec2F32 cursor_ground = rig.ground({403, 305});
    EXPECT_TRUE(rig.move({403, 305}));
    // The first step covers the whole way from the press: the ground point
    // pressed on is now under the cursor.
    expect_near(rig.camera.center, pressed_ground - cursor_ground);
    expect_near(rig.ground({403, 305}), pressed_ground);
}

TEST(CameraControls, ShiftDragKeepsTheGroundPointUnderTheCursor) {
    Rig rig;
    rig.held = {Key::LShift};
    // On the default camera the top middle pixel shows ground point (0, 32).
    expect_near(rig.ground({400, 600}), {0, 32});
    rig.down(MouseButton::Left, {400, 600});
    rig.held.clear();
    rig.move({400, 300});
    expect_near(rig.camera.center, {0, 32});
    rig.move({0, 0});
    const Vec2F32 corner = rig.ground({0, 0});
    EXPECT_NEAR(corner.x, 0.0f, 1e-2f);
    EXPECT_NEAR(corner.y, 32.0f, 1e-2f);
}

TEST(CameraControls, RotatingTurnsTwoRadiansPerWindowHeightWithinTheAttackRange) {
    struct Case {
        const char* name;
        Vec2F64 to;
        float rotation, attack;
    };
    const Case cases[] = {
        {"right by half the height", {700, 300}, 1.0f, HALF_PI},
        {"down cannot raise the attack past straight down", {400, 0}, 0.0f, HALF_PI},
        {"up lowers the attack", {400, 600}, 0.0f, HALF_PI - 1.0f},
        {"but not below 0.2", {400, 3000}, 0.0f, 0.2f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        rig.down(MouseButton::Middle, {400, 300});
        EXPECT_TRUE(rig.move(c.to));
        EXPECT_NEAR(rig.camera.rotation, c.rotation, CONTROLS_TOLERANCE);
        EXPECT_NEAR(rig.camera.attack, c.attack, CONTROLS_TOLERANCE);
        expect_near(rig.camera.center, {0, 0});
    }
    Rig rig;
    rig.down(MouseButton::Middle, {400, 300});
    rig.move({400, 3000});
    rig.move({400, 2700});
    EXPECT_NEAR(rig.camera.attack, 0.2f + 1.0f, CONTROLS_TOLERANCE)
        << "from the limit, not from where it would have been";
}

// The distance changes whatever the cursor points at; the centre follows
// only where the cursor has a ground point to keep in place. At the lowest
// attack the horizon crosses the middle row (y ≈ 360.8); the line through a
// pixel above it meets the ground only behind the eye.
TEST(CameraControls, ZoomStepsAndLimitsKeepTheGroundPointUnderTheCursor) {
    struct Case {
        const char* name;
        std::vector<double> deltas;
        float distance;
        float attack = 0.9f;
        Vec2F64 cursor{610, 170};
        bool above_horizon = false;
    };
    const float notch = std::pow(2.0f, 51.0f / 300.0f);
    const Case cases[] = {
        {"one notch closer", {51.0}, 32.0f / notch},
        {"and back", {51.0, -51.0}, 32.0f},
        {"one notch away", {-51.0}, 32.0f * notch},
        {"300 halves", {300.0}, 16.0f},
        {"no closer than 4", {3000.0, 300.0}, 4.0f},
        {"no further than 1024", {-3000.0, -300.0}, 1024.0f},
        {"just below the horizon", {51.0}, 32.0f / notch, 0.2f, {400, 340}},
        {"above the horizon, about the centre", {51.0}, 32.0f / notch, 0.2f, {400, 450}, true},
        {"at the top edge, about the centre", {-300.0}, 64.0f, 0.2f, {400, 599}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        rig.camera.attack = c.attack;
        rig.camera.rotation = 0.4f;
        rig.move(c.cursor);
        const Vec2F32 cursor{static_cast<float>(c.cursor.x), static_cast<float>(c.cursor.y)};
        const Vec2F32 under_cursor = rig.ground(cursor);
        for (double delta : c.deltas) EXPECT_TRUE(rig.wheel(delta));
        EXPECT_NEAR(rig.camera.distance, c.distance, c.distance * 1e-5f);
        if (!c.above_horizon) {
            // The single-precision inverse loses digits with the distance.
            const Vec2F32 now = rig.ground(cursor);
            const float tolerance = c.distance * 1e-3f * (1.0f + under_cursor.length() / 32.0f);
            EXPECT_NEAR(now.x, under_cursor.x, tolerance);
            EXPECT_NEAR(now.y, under_cursor.y, tolerance);
        } else {
            expect_near(rig.camera.center, {0, 0});
        }
    }
    EXPECT_NEAR(notch, 1.125f, 1e-3f);
}

TEST(CameraControls, ResetAndPerspectiveKeys) {
    Rig rig;
    rig.camera.center = {40, 40};
    rig.camera.rotation = 1.0f;
    rig.camera.attack = 0.5f;
    rig.camera.distance = 100.0f;
    rig.camera.perspective = false;
    rig.send(KeyDown{Key::I});
    EXPECT_EQ(rig.camera, Camera{}) << "the map's corner, whatever the map";

    // Looking straight down, the parallel view shows the same 2 * distance
    // from bottom to top as the perspective one at the centre's depth.
    rig.send(KeyDown{Key::O});
    EXPECT_FALSE(rig.camera.perspective);
    expect_near(rig.ground({400, 600}), {0, 32});
    rig.send(KeyDown{Key::O});
    EXPECT_TRUE(rig.camera.perspective);
}

TEST(CameraControls, StepsAtTheHorizonLeaveTheCameraFinite) {
    // The lowest attack shows the horizon a little above the middle row; the
    // ground points around it are far away or behind the eye.
    Rig rig;
    rig.camera.attack = 0.2f;
    rig.held = {Key::LShift};
    rig.down(MouseButton::Left, {400, 200});
    for (double y : {360.80, 360.82, 361.0, 360.5, 599.0, 360.81, 0.0}) {
        rig.move({400, y});
        rig.wheel(51.0);
        EXPECT_TRUE(is_finite(rig.camera)) << "at y = " << y;
    }

    // Where the ground point is not finite at all (a parallel view at
    // distance 0, as an edited preferences file may give) a drag does
    // nothing, and a zoom only brings the distance into its range.
    Rig flat;
    flat.camera.perspective = false;
    flat.camera.distance = 0.0f;
    Camera expected = flat.camera;
    flat.held = {Key::LShift};
    flat.down(MouseButton::Left, {100, 100});
    EXPECT_TRUE(flat.move({300, 200}));
    EXPECT_EQ(flat.camera, expected);
    EXPECT_TRUE(flat.wheel(51.0));
    expected.distance = CameraControls::MIN_DISTANCE;
    EXPECT_EQ(flat.camera, expected);
}

TEST(CameraUniforms, ProjectionThenView) {
    Camera camera;
    camera.center = {5, 7};
    camera.attack = 0.7f;
    const auto uniforms = velmora::renderer::uniforms(camera, SCREEN);
    EXPECT_EQ(uniforms[0].name, "u_projection_matrix");
    EXPECT_EQ(uniforms[1].name, "u_view_matrix");
    EXPECT_EQ(uniforms[0].value * uniforms[1].value, camera.matrix(SCREEN));

    // The view pushes the centre d units down the line of sight.
    const auto centre = uniforms[1].value * kimbly::Mat4F32::Column{5, 7, 0, 1};
    EXPECT_NEAR(centre[0], 0.0f, CONTROLS_TOLERANCE);
    EXPECT_NEAR(centre[1], 0.0f, CONTROLS_TOLERANCE);
    EXPECT_NEAR(centre[2], -32.0f, CONTROLS_TOLERANCE);

    camera.perspective = false;
    const auto flat = velmora::renderer::uniforms(camera, SCREEN)[0].value;
    EXPECT_FLOAT_EQ(flat.at(0, 0), 600.0f / 800.0f / 32.0f);
    EXPECT_FLOAT_EQ(flat.at(1, 1), 1.0f / 32.0f);
    EXPECT_FLOAT_EQ(flat.at(2, 2), -0.001f);
    EXPECT_FLOAT_EQ(flat.at(3, 3), 1.0f);
}

}  // namespace
