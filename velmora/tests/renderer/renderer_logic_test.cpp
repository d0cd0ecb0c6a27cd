#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include <kimbly/panic.hpp>

#include "model_fixture.hpp"
#include "velmora/renderer/debug_frame.hpp"
#include "velmora/renderer/debug_items.hpp"
#include "velmora/renderer/renderer_camera.hpp"
#include "velmora/renderer/renderer_debug_state.hpp"
#include "velmora/renderer/renderer_keys.hpp"

namespace {

using namespace velmora::renderer;
using kimbly::Vec2F32;
using kimbly::events::Key;
using kimbly::events::MouseButton;
using velmora::camera::Camera;

TEST(RendererFrames, EachPlayerFrameAndItsWayBack) {
    struct Case {
        std::size_t player;
        Vec2F32 game;
        Vec2F32 player_frame;
    };
    const Case cases[] = {
        {0, {10, 20}, {10, 20}},
        {1, {10, 20}, {70, 60}},
        {2, {10, 20}, {20, 70}},
        {3, {10, 20}, {60, 10}},
        {2, {60, 10}, {10, 20}},
        {3, {0.5f, 79.5f}, {0.5f, 0.5f}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(to_player_frame(c.player, 80, c.game), c.player_frame) << c.player;
        EXPECT_EQ(to_game_frame(c.player, 80, c.player_frame), c.game) << c.player;
    }
}

TEST(RendererFrames, NoFrameBeyondFourPlayers) {
    EXPECT_THROW(to_player_frame(4, 80, {1, 2}), kimbly::Panic);
    EXPECT_THROW(to_game_frame(7, 80, {1, 2}), kimbly::Panic);
}

TEST(RendererKeys, KeyTable) {
    struct Case {
        Key key;
        std::optional<KeyAction> action;
    };
    const Case cases[] = {
        {Key::Num0, SetPlayerFilter{std::nullopt}},
        {Key::Num1, SetPlayerFilter{0}},
        {Key::Num2, SetPlayerFilter{1}},
        {Key::Num3, SetPlayerFilter{2}},
        {Key::Num4, SetPlayerFilter{3}},
        {Key::V, ToggleMode{}},
        {Key::Num5, std::nullopt},
        {Key::Num9, std::nullopt},
        {Key::I, std::nullopt},
        {Key::Escape, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto action = key_action(c.key);
        ASSERT_EQ(action.has_value(), c.action.has_value()) << kimbly::events::key_name(c.key);
        if (!action) continue;
        ASSERT_EQ(action->index(), c.action->index());
        if (auto filter = std::get_if<SetPlayerFilter>(&*action)) {
            EXPECT_EQ(filter->player_index, std::get<SetPlayerFilter>(*c.action).player_index);
        }
    }
    EXPECT_EQ(toggled(RendererMode::Space), RendererMode::Schematic);
    EXPECT_EQ(toggled(RendererMode::Schematic), RendererMode::Space);
}

TEST(RendererCamera, DefaultForTheMapLooksDownAtItsMiddle) {
    EXPECT_EQ(default_camera_for_map(80), (Camera{{40, 40}, 0, velmora::camera::HALF_PI, 45, true}));
}

// Due at the first positive step, then whenever the count goes strictly
// below 0, every 5 seconds; exactly 0 is not yet due, and a long step is
// one store.
TEST(RendererCamera, SaveTimer) {
    CameraSaveTimer timer;
    struct Step {
        double elapsed;
        bool due;
    };
    const Step steps[] = {{0, false},     {0.25, true}, {4.75, false}, {0.25, false}, {0.125, true},
                          {2.5, false},   {2.5, false}, {1e-9, true},  {100, true},   {4.5, false}};
    int i = 0;
    for (const auto& step : steps) EXPECT_EQ(timer.update(step.elapsed), step.due) << "step " << i++;
}

TEST(RendererDebugState, CursorInThePlayersFrameWithKeysThenButtons) {
    using namespace velmora::model::testing;
    const auto game = empty_model(80);
    const kimbly::Vec2Usize window{800, 600};
    const Camera camera = default_camera_for_map(80);
    const auto pixel = camera.world_to_screen(window, {10, 20});
    const HeldInput input{{pixel.x, pixel.y}, {Key::LCtrl}, {MouseButton::Left}};

    const auto state = debug_state(game, 2, window, camera, input);
    EXPECT_EQ(state.window_size, window);
    EXPECT_EQ(state.mouse_pos_window, pixel);
    EXPECT_NEAR(state.mouse_pos_world.x, 20, 1e-3);
    EXPECT_NEAR(state.mouse_pos_world.y, 70, 1e-3);
    EXPECT_EQ(state.pressed_keys, (std::vector<std::string>{"LCtrl", "MouseLeft"}));
    EXPECT_EQ(state.camera, camera);
    EXPECT_EQ(state.player_index, 2u);
}

// The cursor's ground point that a player receives, sent back as a world
// point of its debug drawing, lands under the cursor again, in every frame.
TEST(RendererDebugState, CursorComesBackThroughTheDebugDrawing) {
    using namespace velmora::model::testing;
    const auto game = empty_model(80);
    const kimbly::Vec2Usize window{800, 600};
    const Camera camera{{30, 45}, 0.4f, 1.1f, 50, true};
    const HeldInput input{{350, 260}, {}, {}};
    const debug::View view{80, camera, window};
    for (std::size_t player = 0; player < 4; ++player) {
        const auto state = debug_state(game, player, window, camera, input);
        const auto pixel = debug::convert_position(player, view, {state.mouse_pos_world, {0, 0}, {1, 1, 1, 1}});
        EXPECT_NEAR(pixel.x, 350, 0.05) << player;
        EXPECT_NEAR(pixel.y, 260, 0.05) << player;
    }
}

// Before the first draw: a 1 × 1 window and the camera default.
TEST(RendererDebugState, BeforeTheFirstDraw) {
    using namespace velmora::model::testing;
    const auto game = empty_model(80);
    const HeldInput input{{0.5, 0.5}, {}, {MouseButton::Right, MouseButton::Middle}};
    const auto state = debug_state(game, 0, {1, 1}, std::nullopt, input);
    EXPECT_EQ(state.window_size, (kimbly::Vec2Usize{1, 1}));
    EXPECT_EQ(state.camera, Camera{});
    EXPECT_EQ(state.mouse_pos_world, Camera{}.screen_to_world({1, 1}, {0.5f, 0.5f}));
    EXPECT_EQ(state.pressed_keys, (std::vector<std::string>{"MouseRight", "MouseMiddle"}));
    EXPECT_THROW(debug_state(game, 4, {1, 1}, std::nullopt, input), kimbly::Panic);
}

}  // namespace
