#pragma once
// Draws what the players sent for their own debugging over the game view
// every frame: log lines, lines and triangles, and placed texts, each item
// one draw. What is drawn where is worked out by debug::frame_items.
#include <memory>

#include <vindle/context.hpp>

#include "velmora/renderer/draw/ez.hpp"
#include "velmora/renderer/draw_args.hpp"

namespace velmora::renderer::debug {

class Renderer {
public:
    explicit Renderer(std::shared_ptr<vindle::Vindle> engine);

    // Every player's shown items, whatever the filter of the views.
    void draw(const DrawArgs& args) const;

private:
    std::shared_ptr<vindle::Vindle> engine_;
    Ez ez_;
};

}  // namespace velmora::renderer::debug
