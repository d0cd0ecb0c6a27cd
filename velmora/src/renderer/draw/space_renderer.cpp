#include "velmora/renderer/draw/space_renderer.hpp"

#include <algorithm>
#include <iterator>
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

sprite::Instance sprite_of(const Billboard& billboard) {
    return {billboard.position, billboard.rotation, billboard.size, billboard.color};
}

std::vector<sprite::Instance> sprites_of(const std::vector<Billboard>& billboards) {
    std::vector<sprite::Instance> sprites;
    sprites.reserve(billboards.size());
    std::ranges::transform(billboards, std::back_inserter(sprites), sprite_of);
    return sprites;
}

std::vector<circle_bar::Instance> rings_of(const std::vector<Ring>& rings) {
    std::vector<circle_bar::Instance> instances;
    instances.reserve(rings.size());
    for (const Ring& ring : rings) instances.push_back({ring.position, ring.value, ring.size, ring.color_off, ring.color});
    return instances;
}

// The player's texture of a model; none for an index beyond the textures.
const ovra::Texture2d* texture_of(const PlayerTextures& textures, const model::Player& player) {
    return player.index < textures.size() ? &textures[player.index] : nullptr;
}

}  // namespace

Renderer::Renderer(std::shared_ptr<vindle::Vindle> engine, Assets assets, kimbly::rng::Rng& stars)
    : engine_(engine),
      assets_(std::move(assets)),
      models_(engine->shader_lib(), engine->ovra()),
      sprites_(engine),
      rings_(engine),
      white_(ovra::Texture2d::new_with(engine->ovra(), {1, 1},
                                       [](kimbly::Vec2Usize) { return kimbly::ColorF32{1, 1, 1, 1}; })),
      stars_(sprites_of(star_field(stars))),
      fog_(engine->shader_lib(), engine->ovra()) {}

void Renderer::draw(const DrawArgs& args) {
    const Scene scene{args.state, log_};
    const AliveIndex alive(scene, alive_entities(args.state));

    ovra::draw::clear(args.framebuffer, BACKGROUND_COLOR, 1.0f);
    sprites_.draw(args.framebuffer, args.camera, assets_.glow, stars_);
    draw_spaceships(args, alive, model::EntityType::BuilderUnit, assets_.unit.worker);
    draw_spaceships(args, alive, model::EntityType::MeleeUnit, assets_.unit.melee);
    draw_spaceships(args, alive, model::EntityType::RangedUnit, assets_.unit.ranged);
    draw_building(args, scene, alive, assets_.buildings.base_a, model::EntityType::BuilderBase, true);
    draw_building(args, scene, alive, assets_.buildings.base_b, model::EntityType::MeleeBase, false);
    draw_building(args, scene, alive, assets_.buildings.base_c, model::EntityType::RangedBase, false);
    draw_building(args, scene, alive, assets_.buildings.wall, model::EntityType::Wall, false);
    draw_building(args, scene, alive, assets_.buildings.turret, model::EntityType::Turret, false);
    draw_building(args, scene, alive, assets_.buildings.home, model::EntityType::House, false);
    if (bullets_shown(args.state.t)) {
        sprites_.draw(args.framebuffer, args.camera, assets_.bullet, sprites_of(bullets(scene)));
    }
    draw_resources(args);
    if (explosions_shown(args.state.t, args.state.previous.has_value())) {
        sprites_.draw(args.framebuffer, args.camera, assets_.explosion, sprites_of(explosions(scene)));
    }
    rings_.draw(args.framebuffer, args.camera, rings_of(health_rings(scene, alive)));
    fog_.draw(args.framebuffer, args.camera, fog::visible_cells(args.state.game, args.player_filter));
}

void Renderer::draw_spaceships(const DrawArgs& args, const AliveIndex& alive, model::EntityType type,
                               Spaceship& ship) {
    for (const model::Player& player : args.state.game.players.iter()) {
        const ovra::Texture2d* texture = texture_of(ship.textures, player);
        if (texture == nullptr) continue;
        const ShipPlacements ships = spaceships(alive, type, player);
        models_.draw(args.framebuffer, args.camera, ship.spaceship, *texture, ships.bodies);
        if (ship.trail) models_.draw(args.framebuffer, args.camera, *ship.trail, ship.trail_texture, ships.trails);
    }
}

void Renderer::draw_building(const DrawArgs& args, const Scene& scene, const AliveIndex& alive, Building& building, model::EntityType type, bool spin) {
    const std::size_t part_count = building.parts.size();
    for (const model::Player& player : args.state.game.players.iter()) {
        const ovra::Texture2d* texture = texture_of(building.textures, player);
        if (texture == nullptr) continue;
        for (std::size_t part = 0; part < part_count; ++part) {
            models_.draw(args.framebuffer, args.camera, building.parts[part].second, *texture,
                         building_parts(scene, alive, type, player, part, part_count, spin));
        }
    }
}

void Renderer::draw_resources(const DrawArgs& args) {
    const double time = static_cast<double>(args.state.game.current_tick) + args.state.t;
    const Nebulae look = nebulae(args.state.game, time, noise_, log_);
    sprites_.draw(args.framebuffer, args.camera, assets_.glow, sprites_of(look.glows));
    const auto cloud = assets_.cloud.meshes.find(CLOUD_MESH);
    if (cloud == assets_.cloud.meshes.end()) kimbly::panic("no entry found for key");
    models_.draw(args.framebuffer, args.camera, cloud->second, white_, look.cores);
    models_.draw(args.framebuffer, args.camera, cloud->second, white_, look.clouds);
}

}  // namespace velmora::renderer::space
