#include "velmora/renderer/draw/debug.hpp"

#include <utility>

#include "velmora/renderer/debug_items.hpp"

namespace velmora::renderer::debug {

namespace {

ovra::DrawMode draw_mode(model::PrimitiveType type) {
    if (type == model::PrimitiveType::Lines) return ovra::draw_mode::Lines{1};
    return ovra::draw_mode::Triangles{};
}

// One draw per item.
struct ItemDrawer {
    void operator()(const LogLine& line) const {
        font.draw(args.framebuffer, line.text, line.position, LOG_TEXT_SIZE, LOG_COLOR);
    }
    void operator()(const Shape& shape) const {
        std::vector<ez::Vertex> vertices;
        vertices.reserve(shape.vertices.size());
        for (const auto& vertex : shape.vertices) {
            vertices.push_back(ez::Vertex{.a_pos = vertex.position, .i_color = vertex.color});
        }
        ez.draw2(args.framebuffer, args.camera, std::move(vertices), nullptr, draw_mode(shape.type));
    }
    void operator()(const Label& label) const {
        font.draw_aligned(args.framebuffer, label.text, label.position, label.alignment, label.size, label.color);
    }

    const DrawArgs& args;
    const vindle::font::Font& font;
    const Ez& ez;
};

}  // namespace

Renderer::Renderer(std::shared_ptr<vindle::Vindle> engine) : engine_(engine), ez_(std::move(engine)) {}

void Renderer::draw(const DrawArgs& args) const {
    const View view{float(args.state.game.map_size), args.camera, args.framebuffer.size()};
    const ItemDrawer drawer{args, *engine_->default_font(), ez_};
    for (const Item& item : frame_items(args.state.debug_data, args.state.debug_update_data, view)) {
        std::visit(drawer, item);
    }
}

}  // namespace velmora::renderer::debug
