#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>

#include <pakko/json.hpp>

#include "model_fixture.hpp"
#include "velmora/renderer/renderer_state.hpp"

namespace {

using namespace velmora::renderer;
using velmora::camera::Camera;
using kimbly::events::Key;
using kimbly::events::KeyDown;

// The renderer's state over a preferences file of its own.
struct RendererStateTest : ::testing::Test {
    RendererStateTest() {
        folder = (std::filesystem::path(::testing::TempDir()) / "velmora-renderer-XXXXXX").string();
        if (::mkdtemp(folder.data()) == nullptr) std::abort();
        path = std::filesystem::path(folder) / PREFERENCES_FILE;
    }
    ~RendererStateTest() override {
        state.reset();
        preferences.reset();
        std::filesystem::remove_all(folder);
    }
    RendererState& make(std::optional<Camera> saved = std::nullopt) {
        preferences = std::make_shared<kimbly::autosave::AutoSave<Preferences>>(
            kimbly::autosave::AutoSave<Preferences>::load(path));
        preferences->write().renderer.camera = saved;
        state.emplace(preferences, std::vector<std::string>{"Ann"}, [this](Key key) { return held.contains(key); });
        return *state;
    }
    // The preferences as the file holds them.
    Preferences on_disk() const {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return pakko::json::parse<Preferences>(text.str());
    }

    std::string folder;
    std::filesystem::path path;
    std::set<Key> held;
    PreferencesHandle preferences;
    std::optional<RendererState> state;
    velmora::model::Model game = velmora::model::testing::empty_model(80);
};

TEST_F(RendererStateTest, FirstDrawTakesTheMapsCameraUnlessOneWasSaved) {
    EXPECT_EQ(make().camera(), std::nullopt);
    EXPECT_EQ(state->begin_draw(game, {800, 600}), default_camera_for_map(80));
    EXPECT_EQ(state->framebuffer_size(), (kimbly::Vec2Usize{800, 600}));

    const Camera saved{{3, 4}, 1, 1, 20, false};
    EXPECT_EQ(make(saved).camera(), saved);
    EXPECT_EQ(state->begin_draw(game, {800, 600}), saved);
}

// At once on the first positive step, then each time 5 seconds have passed
// since, whatever the camera did in between.
TEST_F(RendererStateTest, CameraStoredIntoThePreferencesEveryFiveSeconds) {
    make(Camera{{3, 4}, 1, 1, 20, false});
    preferences->write().renderer.camera = std::nullopt;
    state->update(0);
    EXPECT_EQ(preferences->read().renderer.camera, std::nullopt);
    state->update(0.25);
    EXPECT_EQ(preferences->read().renderer.camera, (Camera{{3, 4}, 1, 1, 20, false}));

    state->begin_draw(game, {800, 600});
    state->handle_event(KeyDown{Key::I});
    state->update(4.5);
    EXPECT_NE(on_disk().renderer.camera, Camera{});
    state->update(0.75);
    EXPECT_EQ(preferences->read().renderer.camera, Camera{});
    EXPECT_EQ(on_disk().renderer.camera, Camera{});
}

TEST_F(RendererStateTest, KeysSetTheFilterAndSwitchTheView) {
    make();
    struct Step {
        Key key;
        std::optional<std::size_t> filter;
        RendererMode mode;
    };
    const Step steps[] = {
        {Key::Num3, 2, RendererMode::Space},           {Key::Num5, 2, RendererMode::Space},
        {Key::Num9, 2, RendererMode::Space},           {Key::Num1, 0, RendererMode::Space},
        {Key::V, 0, RendererMode::Schematic},          {Key::Num0, std::nullopt, RendererMode::Schematic},
        {Key::Num4, 3, RendererMode::Schematic},       {Key::V, 3, RendererMode::Space},
    };
    for (const auto& step : steps) {
        state->handle_event(KeyDown{step.key});
        EXPECT_EQ(state->player_filter(), step.filter) << kimbly::events::key_name(step.key);
        EXPECT_EQ(state->mode(), step.mode) << kimbly::events::key_name(step.key);
        // Reading the mode wrote the file.
        EXPECT_EQ(on_disk().renderer.mode, step.mode);
    }
}

// The camera keys act only once there is a camera to move.
TEST_F(RendererStateTest, CameraControlsOnceThereIsACamera) {
    make();
    state->handle_event(KeyDown{Key::O});
    EXPECT_EQ(state->camera(), std::nullopt);
    state->begin_draw(game, {800, 600});
    state->handle_event(KeyDown{Key::O});
    EXPECT_FALSE(state->camera()->perspective);
    state->handle_event(KeyDown{Key::I});
    EXPECT_EQ(state->camera(), Camera{});
}

TEST_F(RendererStateTest, DebugStateWithTheSizeAndCameraOfTheLastDraw) {
    make();
    const HeldInput input{{400, 300}, {Key::LCtrl}, {}};
    auto before = state->debug_state(game, 1, input);
    EXPECT_EQ(before.window_size, (kimbly::Vec2Usize{1, 1}));
    EXPECT_EQ(before.camera, Camera{});
    state->begin_draw(game, {800, 600});
    auto after = state->debug_state(game, 1, input);
    EXPECT_EQ(after.window_size, (kimbly::Vec2Usize{800, 600}));
    EXPECT_EQ(after.camera, default_camera_for_map(80));
    // The middle of the window is the middle of the map, in every frame.
    EXPECT_NEAR(after.mouse_pos_world.x, 40, 1e-3);
    EXPECT_NEAR(after.mouse_pos_world.y, 40, 1e-3);
    EXPECT_EQ(after.player_index, 1u);
}

}  // namespace
