#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include <kimbly/chacha20.hpp>
#include <vindle/testing/asset_fixture.hpp>

#include "renderer/draw/gl/viewer_gl_test.hpp"
#include "renderer/view_fixture.hpp"
#include "velmora/renderer/draw/assets.hpp"
#include "velmora/renderer/draw/schematic_renderer.hpp"
#include "velmora/renderer/draw/space_renderer.hpp"
#include "velmora/renderer/fog.hpp"

namespace {

using velmora::model::EntityType;
using velmora::model::Model;
using velmora::model::usize;
using velmora::renderer::DrawArgs;
using velmora::renderer::testing::next_tick;
using velmora::renderer::testing::Tick;
using velmora::testing::Pixel;
using velmora::testing::pixel_near;
using namespace velmora::model::testing;

constexpr std::uint64_t CELL = 8;
constexpr std::uint64_t SIDE = 80 * CELL;

// A generated four-player Finals map (fog of war on) with a skirmish added by
// hand near the first player's base: every kind of unit and building, one
// of them under construction, a move and an attack in the shown tick.
struct Finals {
    Model first;
    usize base = 0;
    std::unique_ptr<Tick> tick;

    Finals() {
        kimbly::rng::ChaCha20Rng rng = kimbly::rng::ChaCha20Rng::seed_from_u64(3);
        first = velmora::model::init(rng, 4, velmora::model::options_from({velmora::model::Finals{}}));
        const velmora::model::Player& owner = *first.players.iter().begin();
        for (const auto& entity : first.entities.iter()) {
            if (entity.entity_type == EntityType::BuilderBase && entity.player_id == owner.id) base = entity.id;
        }
        const kimbly::Vec2Usize at_base = first.entities.by_id.at(base).position;
        const auto near = [&](usize dx, usize dy) { return at(at_base.x + dx, at_base.y + dy); };
        erase_if(first.entities.by_id, [&](const auto& entry) {
            const auto& p = entry.second.position;
            return entry.second.entity_type == EntityType::Resource && p.x >= at_base.x + 5 && p.x < at_base.x + 17 &&
                   p.y < at_base.y + 12;
        });
        add_entity(first, EntityType::Turret, owner.id, near(8, 0));
        add_entity(first, {EntityType::House, owner.id, near(0, 8), 20, false});
        for (usize i = 0; i < 4; ++i) add_entity(first, EntityType::Wall, owner.id, near(11 + i, 4));
        const usize ranged = add_entity(first, EntityType::RangedUnit, owner.id, near(7, 6));
        const usize melee = add_entity(first, EntityType::MeleeUnit, owner.id, near(9, 9));
        const usize enemy = add_entity(first, EntityType::MeleeUnit, std::nullopt, near(11, 7));
        Model shown = next_tick(first);
        shown.entities.by_id.at(melee).position = near(10, 9);
        shown.entities.by_id.at(enemy).health = 30;
        tick = std::make_unique<Tick>(first, shown, std::vector{attack_event(ranged, enemy)});
    }

    kimbly::Vec2Usize base_corner() const { return first.entities.by_id.at(base).position; }

    // A cell far from every entity that the players see, and one they don't.
    std::pair<kimbly::Vec2Usize, kimbly::Vec2Usize> empty_cells() const {
        const auto sight = velmora::renderer::fog::visible_cells(tick->shown, std::nullopt);
        std::optional<kimbly::Vec2Usize> seen, unseen;
        for (usize x = 2; x < 78; ++x) {
            for (usize y = 2; y < 78; ++y) {
                if (!clear_around(x, y)) continue;
                auto& slot = sight.visible(x, y) ? seen : unseen;
                if (!slot) slot = kimbly::Vec2Usize{x, y};
            }
        }
        return {seen.value(), unseen.value()};
    }

    bool clear_around(usize x, usize y) const {
        for (const auto& entity : tick->shown.entities.iter()) {
            const usize size = tick->shown.entity_properties.value.at(entity.entity_type).size;
            if (entity.position.x + size + 2 > x && x + 2 >= entity.position.x && entity.position.y + size + 2 > y &&
                y + 2 >= entity.position.y) {
                return false;
            }
        }
        return true;
    }
};

velmora::renderer::Assets load_assets(vindle::Vindle& engine) {
    auto future = vindle::asset::LoadAsset<velmora::renderer::Assets>::load(engine, VELMORA_ASSETS_DIR);
    auto result = asset_test::wait(*future);
    if (!result.ok()) throw std::runtime_error(result.error().what());
    return std::move(result.value());
}

struct ViewsGl : velmora::testing::ViewerGlTest {
    Finals finals;
    // Bullets in flight, the dead enemy still there.
    velmora::renderer::CurrentState space_state = finals.tick->at(0.3);

    velmora::renderer::space::Renderer space_view() {
        kimbly::rng::ChaCha20Rng stars = kimbly::rng::ChaCha20Rng::seed_from_u64(1);
        return velmora::renderer::space::Renderer(engine, std::move(load_assets(*engine).space), stars);
    }

    Pixel cell_pixel(kimbly::Vec2Usize cell) const {
        return pixel(cell.x * CELL + CELL / 2, cell.y * CELL + CELL / 2);
    }
    int brightness(Pixel p) const { return int(p[0]) + int(p[1]) + int(p[2]); }

    void save(const std::string& name) const {
        const std::string path = std::string(VELMORA_BINARY_DIR) + "/" + name;
        EXPECT_TRUE(ovra::testing::write_png(path, framebuffer->size(),
                                             velmora::testing::as_shown(ovra::testing::read_pixels(*framebuffer))));
    }

    DrawArgs args(const velmora::renderer::CurrentState& state, ovra::Framebuffer& target) const {
        return DrawArgs{std::nullopt, target, velmora::testing::top_down({40, 40}, 40), state};
    }

    // The skirmish seen at a slant, for a person to look at.
    template <class View>
    void save_close_up(View& view, const velmora::renderer::CurrentState& state, const std::string& name) {
        const kimbly::Vec2Usize corner = finals.base_corner();
        const velmora::camera::Camera camera{
            {static_cast<float>(corner.x) + 9.0f, static_cast<float>(corner.y) + 6.0f}, 0.3f, 0.9f, 12.0f, true};
        view.draw(DrawArgs{std::nullopt, target_of({SIDE, SIDE * 3 / 4}), camera, state});
        save(name);
    }
};

// A view shows its kept picture again while nothing it draws from changed,
// and draws anew when something did: each changed frame must look as a
// fresh view draws it, never like the kept one.
struct Change {
    const char* what;
    std::optional<std::size_t> filter;
    velmora::camera::Camera camera;
    double t;
};

template <class View, class MakeView>
void expect_kept_only_while_unchanged(ViewsGl& test, MakeView make_view, const std::vector<Change>& changes) {
    constexpr kimbly::Vec2Usize SIZE{SIDE / 2, SIDE / 2};
    const auto camera = velmora::testing::top_down({40, 40}, 40);
    View view = make_view();
    const auto first_state = test.finals.tick->at(0.3);
    view.draw(DrawArgs{std::nullopt, test.target_of(SIZE), camera, first_state});
    const auto first = ovra::testing::read_pixels(*test.framebuffer);
    view.draw(DrawArgs{std::nullopt, test.target_of(SIZE, {1, 0, 1, 1}), camera, first_state});
    EXPECT_EQ(ovra::testing::read_pixels(*test.framebuffer), first) << "the same frame drawn again";

    for (const Change& change : changes) {
        const auto state = test.finals.tick->at(change.t);
        view.draw(DrawArgs{change.filter, test.target_of(SIZE), change.camera, state});
        const auto kept = ovra::testing::read_pixels(*test.framebuffer);
        View fresh = make_view();
        fresh.draw(DrawArgs{change.filter, test.target_of(SIZE), change.camera, state});
        EXPECT_EQ(kept, ovra::testing::read_pixels(*test.framebuffer)) << change.what;
        EXPECT_NE(kept, first) << change.what;
    }
}

TEST_F(ViewsGl, ViewsKeepTheirPictureOnlyWhileNothingChanged) {
    const auto camera = velmora::testing::top_down({40, 40}, 40);
    const auto moved = velmora::testing::top_down({41, 40}, 40);
    expect_kept_only_while_unchanged<velmora::renderer::schematic::Renderer>(
        *this, [&] { return velmora::renderer::schematic::Renderer(engine, std::move(load_assets(*engine).schematic)); },
        {{"camera moved", std::nullopt, moved, 0.3}, {"one player's sight", 1, camera, 0.3}});
    expect_kept_only_while_unchanged<velmora::renderer::space::Renderer>(
        *this, [&] { return space_view(); },
        {{"later in the tick", std::nullopt, camera, 0.6}, {"one player's sight", 1, camera, 0.6}});
}

TEST_F(ViewsGl, SchematicViewOfAFinalsMatch) {
    velmora::renderer::schematic::Renderer view(engine, std::move(load_assets(*engine).schematic));
    const auto state = finals.tick->at(0.5);
    view.draw(args(state, target_of({SIDE, SIDE})));
    save("schematic_view.png");

    const auto [seen, unseen] = finals.empty_cells();
    EXPECT_TRUE(pixel_near(cell_pixel(seen), {204, 204, 204, 255}));
    EXPECT_LT(brightness(cell_pixel(unseen)), brightness(cell_pixel(seen)));
    // Near the corner of the first player's base the box's solid square
    // shows the player's colour, blue.
    const kimbly::Vec2Usize corner = finals.base_corner();
    EXPECT_TRUE(pixel_near(pixel(corner.x * CELL + 3, corner.y * CELL + 3), {0, 0, 255, 255}, 3));
    save_close_up(view, state, "schematic_view_close.png");
}

// Every resource of the map is a cloud model of its own, which a software
// GL takes seconds to draw: the close-up runs as a test of its own, in
// parallel with this one.
TEST_F(ViewsGl, SpaceViewOfAFinalsMatch) {
    auto view = space_view();
    view.draw(args(space_state, target_of({SIDE, SIDE})));
    save("space_view.png");

    const auto [seen, unseen] = finals.empty_cells();
    const Pixel background{5, 21, 38, 255};
    EXPECT_TRUE(pixel_near(cell_pixel(seen), background, 3));
    EXPECT_LT(brightness(cell_pixel(unseen)), brightness(cell_pixel(seen)));
}

TEST_F(ViewsGl, SpaceViewCloseUp) {
    auto view = space_view();
    save_close_up(view, space_state, "space_view_close.png");
}

}  // namespace
