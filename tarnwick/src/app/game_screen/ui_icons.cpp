#include "tarnwick/app/game_screen/ui_icons.hpp"

#include <array>
#include <optional>
#include <span>
#include <vector>

#include <ovra/draw.hpp>
#include <ovra/framebuffer.hpp>

namespace tarnwick::app::game_screen::ui {

namespace {

constexpr kimbly::ColorF32 CLEAR{1, 1, 1, 0};
constexpr kimbly::ColorF32 INK{1, 1, 1, 1};

// In texture pixels, origin lower-left; rectangles as x from-to, y from-to.
struct Shapes {
    std::vector<kimbly::Vec2F32> triangles;
    std::vector<kimbly::AabbF32> rects;
};

Shapes shapes_of(Icon icon) {
    switch (icon) {
        case Icon::Play:
            return {{{0, 0}, {32, 16}, {0, 32}}, {}};
        case Icon::Pause:
            return {{}, {{0, 11, 0, 32}, {21, 32, 0, 32}}};
        case Icon::Fullscreen:
            // Four corner brackets, each a horizontal and a vertical bar.
            return {{},
                    {{0, 12, 0, 4},
                     {0, 4, 0, 12},
                     {20, 32, 0, 4},
                     {28, 32, 0, 12},
                     {20, 32, 28, 32},
                     {28, 32, 20, 32},
                     {0, 12, 28, 32},
                     {0, 4, 20, 32}}};
    }
    return {};
}

}  // namespace

ovra::Texture2d create_texture(ovra::OvraHandle context, const vindle::draw_2d::Draw2D& drawer, Icon icon) {
    auto texture = ovra::Texture2d::new_uninitialized(context, ICON_SIZE);
    {
        ovra::Framebuffer framebuffer(context, texture);
        ovra::draw::clear(framebuffer, CLEAR, std::nullopt);
        const Shapes shapes = shapes_of(icon);
        if (!shapes.triangles.empty()) {
            drawer.draw(framebuffer, shapes.triangles, INK, ovra::draw_mode::Triangles{});
        }
        for (const auto& rect : shapes.rects) drawer.quad(framebuffer, rect, INK);
    }
    return texture;
}

}  // namespace tarnwick::app::game_screen::ui
