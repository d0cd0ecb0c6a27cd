#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include <kimbly/chacha20.hpp>
#include <tarnwick/app/history/history.hpp>
#include <vindle/testing/asset_fixture.hpp>

#include "renderer/draw/gl/viewer_gl_test.hpp"
#include "velmora/model/init.hpp"
#include "velmora/model/turn.hpp"
#include "velmora/renderer/draw/renderer.hpp"

namespace {

using namespace velmora;
using model::ColoredVertex;
using model::DebugData;
using velmora::testing::pixel_near;

constexpr kimbly::Vec2Usize SIZE{960, 640};
constexpr kimbly::ColorF32 MAGENTA{1, 0, 1, 1};
constexpr kimbly::ColorF32 YELLOW{1, 1, 0, 1};

renderer::Assets load_assets(vindle::Vindle& engine) {
    auto future = vindle::asset::LoadAsset<renderer::Assets>::load(engine, VELMORA_ASSETS_DIR);
    auto result = asset_test::wait(*future);
    if (!result.ok()) throw std::runtime_error(result.error().what());
    return std::move(result.value());
}

// A match as a replay's tick history holds it two ticks in, with the second
// player's debug drawing: a square of two triangles at a window corner, a
// triangle and a text on the map in its own frame, a log line, and a
// triangle of 4 vertices and texts of NaN and 1e30 size.
struct RendererGl : velmora::testing::ViewerGlTest {
    void SetUp() override {
        ViewerGlTest::SetUp();
        if (HasFatalFailure()) return;
        folder = (std::filesystem::path(::testing::TempDir()) / "velmora-renderer-gl-XXXXXX").string();
        ASSERT_NE(::mkdtemp(folder.data()), nullptr);
        preferences = std::make_shared<kimbly::autosave::AutoSave<renderer::Preferences>>(
            kimbly::autosave::AutoSave<renderer::Preferences>::load(std::filesystem::path(folder) /
                                                                    renderer::PREFERENCES_FILE));
    }
    // Plays two ticks of `game` into the history and sends the debug items.
    void start(model::Model game) {
        history.emplace(game);
        auto push = history->tick_handler();
        for (int tick = 0; tick < 2; ++tick) {
            auto events = model::process_turn(game, rng, {});
            push(game, std::move(events));
        }
        auto send = history->debug_command_handler();
        auto add = [&](DebugData data) { send(1, true, {tarnwick::debug::Add<DebugData>{std::move(data)}}); };
        auto corner = [](float x, float y) { return ColoredVertex{std::nullopt, {x, y}, MAGENTA}; };
        auto world = [](float x, float y) { return ColoredVertex{kimbly::Vec2F32{x, y}, {0, 0}, YELLOW}; };
        add({DebugData::Primitives{{corner(20, 20), corner(120, 20), corner(120, 120), corner(20, 20),
                                    corner(120, 120), corner(20, 120)},
                                   model::PrimitiveType::Triangles}});
        add({DebugData::Primitives{{world(2, 2), world(12, 2), world(2, 12), world(30, 30)},
                                   model::PrimitiveType::Triangles}});
        add({DebugData::PlacedText{world(4, 14), "player 2 base", 0.5f, 24}});
        add({DebugData::PlacedText{world(4, 20), "NaN", 0, std::nanf("")}});
        add({DebugData::PlacedText{world(4, 20), "huge", 0, 1e30f}});
        add({DebugData::Log{"player 2: thinking"}});
        history->go_to(2, false);
    }

    void TearDown() override {
        preferences.reset();
        history.reset();
        std::filesystem::remove_all(folder);
        ViewerGlTest::TearDown();
    }

    void draw(renderer::Renderer& renderer, const std::string& name, kimbly::Vec2Usize size) {
        auto& target = target_of(size);
        renderer.draw(history->current_state(), target);
        EXPECT_EQ(ovra::testing::take_gl_error(), 0u);
        EXPECT_TRUE(ovra::testing::write_png(std::string(VELMORA_BINARY_DIR) + "/" + name, size,
                                             velmora::testing::as_shown(ovra::testing::read_pixels(target))));
    }

    std::string folder;
    renderer::PreferencesHandle preferences;
    std::optional<tarnwick::app::history::History<model::Model, renderer::space::RendererData>> history;
    kimbly::rng::ChaCha20Rng rng = kimbly::rng::ChaCha20Rng::seed_from_u64(5);
};

model::Model finals(kimbly::rng::Rng& rng) { return model::init(rng, 4, model::options_from({model::Finals{}})); }

TEST_F(RendererGl, SchematicFrameOfAReplayWithAPlayersDebugDrawing) {
    start(finals(rng));
    preferences->write().renderer.mode = renderer::RendererMode::Schematic;
    renderer::Renderer renderer(engine, preferences, {"Ann", "Bob"}, load_assets(*engine));
    draw(renderer, "renderer_schematic.png", SIZE);
    // The square over the view, the band over the top 90 pixels.
    EXPECT_TRUE(pixel_near(pixel(70, 70), {255, 0, 255, 255}));
    const auto band = pixel(SIZE.x - 3, SIZE.y - 3);
    EXPECT_LT(int(band[0]) + int(band[1]) + int(band[2]), 3 * 60);
    EXPECT_EQ(renderer.state().camera(), renderer::default_camera_for_map(80));

    const auto state = renderer.debug_state(history->current_state().game, 1);
    EXPECT_EQ(state.window_size, SIZE);
    EXPECT_EQ(state.player_index, 1u);

    renderer.handle_event(kimbly::events::KeyDown{kimbly::events::Key::V});
    EXPECT_EQ(preferences->read().renderer.mode, renderer::RendererMode::Space);
}

// The space view takes long to draw in software for every resource cloud of
// a whole map, so this match has none.
TEST_F(RendererGl, SpaceFrameOfAReplayWithAPlayersDebugDrawing) {
    auto game = finals(rng);
    erase_if(game.entities.by_id,
             [](const auto& entry) { return entry.second.entity_type == model::EntityType::Resource; });
    start(std::move(game));
    renderer::Renderer renderer(engine, preferences, {}, load_assets(*engine));
    draw(renderer, "renderer_space.png", SIZE);
    EXPECT_TRUE(pixel_near(pixel(70, 70), {255, 0, 255, 255}));
}

}  // namespace
