#include "velmora/renderer/draw/schematic_renderer.hpp"

#include <algorithm>
#include <ranges>
#include <utility>
#include <vector>

#include <ovra/draw.hpp>

#include "velmora/renderer/fog.hpp"

namespace velmora::renderer::schematic {

namespace {

ez::Instance instance_of(const Square& square) { return {square.center, 0.0f, square.half_size, square.color}; }

std::vector<ez::Instance> instances_of(const std::vector<Square>& squares) {
    std::vector<ez::Instance> instances;
    instances.reserve(squares.size());
    std::ranges::transform(squares, std::back_inserter(instances), instance_of);
    return instances;
}

}  // namespace

Renderer::Renderer(std::shared_ptr<vindle::Vindle> engine, Assets assets)
    : ez_(std::move(engine)), assets_(std::move(assets)) {}

const ovra::Texture2d& Renderer::texture(Icon icon) const {
    switch (icon) {
        case Icon::Builder: return assets_.unit.builder;
        case Icon::Melee: return assets_.unit.melee;
        case Icon::Ranged: return assets_.unit.ranged;
        case Icon::House: return assets_.buildings.house;
        case Icon::Turret: return assets_.buildings.turret;
    }
    return assets_.unit.builder;
}

void Renderer::draw(const DrawArgs& args) {
    ovra::Framebuffer& framebuffer = args.framebuffer;
    const camera::Camera& camera = args.camera;
    const model::Model& state = args.state.game;
    const model::Model* previous = args.state.previous ? &args.state.previous->game : nullptr;

    ovra::draw::clear(framebuffer, CLEAR_COLOR, 1.0f);
    ez_.quads(framebuffer, camera, {instance_of(background(state))});
    ez_.quads(framebuffer, camera, instances_of(resources(state, log_)));
    ez_.grid(framebuffer, camera, state.map_size, state.map_size, GRID_COLOR);
    ez_.quads(framebuffer, camera, instances_of(boxes(state, UNIT_TYPES, log_)));
    for (const IconStep& step : UNIT_ICONS) {
        ez_.textured_quads(framebuffer, camera, instances_of(icons(state, step, log_)), texture(step.icon));
    }
    ez_.quads(framebuffer, camera, instances_of(boxes(state, BUILDING_TYPES, log_)));
    for (const IconStep& step : BUILDING_ICONS) {
        ez_.textured_quads(framebuffer, camera, instances_of(icons(state, step, log_)), texture(step.icon));
    }
    const auto lines = attack_lines(state, previous, args.state.events, log_);
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
        ez_.draw(framebuffer, camera,
                 {{lines[i].position, 0.0f, {0, 0}, {1, 1}, lines[i].color},
                  {lines[i + 1].position, 0.0f, {0, 0}, {1, 1}, lines[i + 1].color}},
                 nullptr, ovra::draw_mode::Lines{1.0f});
    }
    ez_.quads(framebuffer, camera, instances_of(fog::fog_squares(fog::visible_cells(state, args.player_filter))));
}

}  // namespace velmora::renderer::schematic
