#include "velmora/renderer/draw/space_renderer.hpp"

#include <algorithm>
#include <iterator>
#include <optional>
#include <span>
#include <utility>

#include <kimbly/panic.hpp>
#include <ovra/draw.hpp>

#include "velmora/renderer/fog.hpp"
#include "velmora/renderer/space/effects.hpp"
#include "velmora/renderer/space/fleet.hpp"
#include "velmora/renderer/space/nebulae.hpp"
#include "velmora/renderer/space/stars.hpp"

namespace velmora::renderer::space {

namespace {

// The cloud model's one object.
constexpr const char* CLOUD_MESH = "Cube_Cube.001";

// The player's texture of a model; none for an index beyond the textures.
const ovra::Texture2d* texture_of(const PlayerTextures& textures, const model::Player& player) {
    return player.index < textures.size() ? &textures[player.index] : nullptr;
}

}  // namespace

// Everything one frame draws after the stars, in drawing order.
struct Renderer::Frame {
    struct Models {
        obj::Mesh* mesh;
        const ovra::Texture2d* texture;
        std::vector<ModelPlacement> placements;
    };
    // Ships (body, then trail) and building parts, by type and player.
    std::vector<Models> fleet;
    std::optional<std::vector<Billboard>> bullets;
    Nebulae nebulae;
    std::optional<std::vector<Billboard>> explosions;
    std::vector<Ring> rings;
    model::SightGrid sight;

    FrameKey key(const DrawArgs& args) const {
        FrameKey key;
        key.add_camera(args.camera, args.framebuffer.size());
        for (const Models& models : fleet) {
            key.add_value(models.mesh).add_value(models.texture).add_records(std::span(models.placements));
        }
        for (const auto* sprites : {&bullets, &explosions}) {
            key.add_value(sprites->has_value());
            if (*sprites) key.add_records(std::span(**sprites));
        }
        key.add_records(std::span(nebulae.glows)).add_records(std::span(nebulae.cores));
        key.add_records(std::span(nebulae.clouds)).add_records(std::span(rings));
        key.add_value(sight.map_size).add_records(std::span(sight.counters));
        return key;
    }
};

Renderer::Renderer(std::shared_ptr<vindle::Vindle> engine, Assets assets, kimbly::rng::Rng& stars)
    : engine_(engine),
      assets_(std::move(assets)),
      models_(engine->shader_lib(), engine->ovra()),
      sprites_(engine),
      rings_(engine),
      white_(ovra::Texture2d::new_with(engine->ovra(), {1, 1},
                                       [](kimbly::Vec2Usize) { return kimbly::ColorF32{1, 1, 1, 1}; })),
      stars_(ovra::VertexBuffer<sprite::Instance>::new_static(engine->ovra(), star_field(stars))),
      fog_(engine->shader_lib(), engine->ovra()),
      cache_(engine->ovra()) {}

void Renderer::draw(const DrawArgs& args) {
    const Frame frame = build(args);
    cache_.draw(frame.key(args), args.framebuffer, [&] { draw(args, frame); });
}

Renderer::Frame Renderer::build(const DrawArgs& args) {
    const Scene scene{args.state, log_};
    const AliveIndex alive(scene, alive_entities(args.state));
    Frame frame;
    add_spaceships(frame, args, alive, model::EntityType::BuilderUnit, assets_.unit.worker);
    add_spaceships(frame, args, alive, model::EntityType::MeleeUnit, assets_.unit.melee);
    add_spaceships(frame, args, alive, model::EntityType::RangedUnit, assets_.unit.ranged);
    add_building(frame, args, scene, alive, assets_.buildings.base_a, model::EntityType::BuilderBase, true);
    add_building(frame, args, scene, alive, assets_.buildings.base_b, model::EntityType::MeleeBase, false);
    add_building(frame, args, scene, alive, assets_.buildings.base_c, model::EntityType::RangedBase, false);
    add_building(frame, args, scene, alive, assets_.buildings.wall, model::EntityType::Wall, false);
    add_building(frame, args, scene, alive, assets_.buildings.turret, model::EntityType::Turret, false);
    add_building(frame, args, scene, alive, assets_.buildings.home, model::EntityType::House, false);
    if (bullets_shown(args.state.t)) frame.bullets = bullets(scene);
    const double time = static_cast<double>(args.state.game.current_tick) + args.state.t;
    frame.nebulae = nebulae(args.state.game, time, noise_, log_);
    if (explosions_shown(args.state.t, args.state.previous.has_value())) frame.explosions = explosions(scene);
    frame.rings = health_rings(scene, alive);
    frame.sight = fog::visible_cells(args.state.game, args.player_filter);
    return frame;
}

void Renderer::draw(const DrawArgs& args, const Frame& frame) {
    ovra::draw::clear(args.framebuffer, BACKGROUND_COLOR, 1.0f);
    sprites_.draw(args.framebuffer, args.camera, assets_.glow, stars_);
    for (const Frame::Models& models : frame.fleet) {
        models_.draw(args.framebuffer, args.camera, *models.mesh, *models.texture, models.placements);
    }
    if (frame.bullets) sprites_.draw(args.framebuffer, args.camera, assets_.bullet, *frame.bullets);
    draw_resources(args, frame.nebulae);
    if (frame.explosions) sprites_.draw(args.framebuffer, args.camera, assets_.explosion, *frame.explosions);
    rings_.draw(args.framebuffer, args.camera, frame.rings);
    fog_.draw(args.framebuffer, args.camera, frame.sight);
}

void Renderer::add_spaceships(Frame& frame, const DrawArgs& args, const AliveIndex& alive, model::EntityType type,
                              Spaceship& ship) {
    for (const model::Player& player : args.state.game.players.iter()) {
        const ovra::Texture2d* texture = texture_of(ship.textures, player);
        if (texture == nullptr) continue;
        ShipPlacements ships = spaceships(alive, type, player);
        frame.fleet.push_back({&ship.spaceship, texture, std::move(ships.bodies)});
        if (ship.trail) frame.fleet.push_back({&*ship.trail, &ship.trail_texture, std::move(ships.trails)});
    }
}

void Renderer::add_building(Frame& frame, const DrawArgs& args, const Scene& scene, const AliveIndex& alive,
                            Building& building, model::EntityType type, bool spin) {
    const std::size_t part_count = building.parts.size();
    for (const model::Player& player : args.state.game.players.iter()) {
        const ovra::Texture2d* texture = texture_of(building.textures, player);
        if (texture == nullptr) continue;
        for (std::size_t part = 0; part < part_count; ++part) {
            frame.fleet.push_back({&building.parts[part].second, texture,
                                   building_parts(scene, alive, type, player, part, part_count, spin)});
        }
    }
}

void Renderer::draw_resources(const DrawArgs& args, const Nebulae& look) {
    sprites_.draw(args.framebuffer, args.camera, assets_.glow, look.glows);
    const auto cloud = assets_.cloud.meshes.find(CLOUD_MESH);
    if (cloud == assets_.cloud.meshes.end()) kimbly::panic("no entry found for key");
    models_.draw(args.framebuffer, args.camera, cloud->second, white_, look.cores);
    models_.draw(args.framebuffer, args.camera, cloud->second, white_, look.clouds);
}

}  // namespace velmora::renderer::space
