#include "velmora/renderer/draw/schematic_renderer.hpp"

#include <algorithm>
#include <cstdint>
#include <span>
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

// Everything one frame draws, in drawing order.
struct Renderer::Frame {
    struct Quads {
        // None: plain squares.
        const ovra::Texture2d* texture;
        std::vector<ez::Instance> instances;
    };
    std::uint64_t map_size = 0;
    // The background and the resources, under the grid.
    std::vector<Quads> board;
    // Boxes and icons, units first, over the grid.
    std::vector<Quads> entities;
    std::vector<LinePoint> lines;
    std::vector<ez::Instance> fog;

    FrameKey key(const DrawArgs& args) const {
        FrameKey key;
        key.add_camera(args.camera, args.framebuffer.size()).add_value(map_size);
        for (const auto* layer : {&board, &entities}) {
            key.add_value(layer->size());
            for (const Quads& quads : *layer) key.add_value(quads.texture).add_records(std::span(quads.instances));
        }
        key.add_records(std::span(lines)).add_records(std::span(fog));
        return key;
    }
};

Renderer::Renderer(std::shared_ptr<vindle::Vindle> engine, Assets assets)
    : ez_(engine), assets_(std::move(assets)), cache_(engine->ovra()) {}

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
    const Frame frame = build(args);
    cache_.draw(frame.key(args), args.framebuffer, [&] { draw(args, frame); });
}

Renderer::Frame Renderer::build(const DrawArgs& args) {
    const model::Model& state = args.state.game;
    const model::Model* previous = args.state.previous ? &args.state.previous->game : nullptr;
    Frame frame;
    frame.map_size = state.map_size;
    frame.board.push_back({nullptr, {instance_of(background(state))}});
    frame.board.push_back({nullptr, instances_of(resources(state, log_))});
    frame.entities.push_back({nullptr, instances_of(boxes(state, UNIT_TYPES, log_))});
    for (const IconStep& step : UNIT_ICONS) {
        frame.entities.push_back({&texture(step.icon), instances_of(icons(state, step, log_))});
    }
    frame.entities.push_back({nullptr, instances_of(boxes(state, BUILDING_TYPES, log_))});
    for (const IconStep& step : BUILDING_ICONS) {
        frame.entities.push_back({&texture(step.icon), instances_of(icons(state, step, log_))});
    }
    frame.lines = attack_lines(state, previous, args.state.events, log_);
    frame.fog = instances_of(fog::fog_squares(fog::visible_cells(state, args.player_filter)));
    return frame;
}

void Renderer::draw(const DrawArgs& args, const Frame& frame) {
    ovra::Framebuffer& framebuffer = args.framebuffer;
    const camera::Camera& camera = args.camera;
    const auto draw_quads = [&](const Frame::Quads& quads) {
        if (quads.texture == nullptr) {
            ez_.quads(framebuffer, camera, quads.instances);
        } else {
            ez_.textured_quads(framebuffer, camera, quads.instances, *quads.texture);
        }
    };
    ovra::draw::clear(framebuffer, CLEAR_COLOR, 1.0f);
    std::ranges::for_each(frame.board, draw_quads);
    ez_.grid(framebuffer, camera, frame.map_size, frame.map_size, GRID_COLOR);
    std::ranges::for_each(frame.entities, draw_quads);
    const auto& lines = frame.lines;
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
        ez_.draw(framebuffer, camera,
                 {{lines[i].position, 0.0f, {0, 0}, {1, 1}, lines[i].color},
                  {lines[i + 1].position, 0.0f, {0, 0}, {1, 1}, lines[i + 1].color}},
                 nullptr, ovra::draw_mode::Lines{1.0f});
    }
    ez_.quads(framebuffer, camera, frame.fog);
}

}  // namespace velmora::renderer::schematic
