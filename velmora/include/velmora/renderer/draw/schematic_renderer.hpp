#pragma once
// The flat view of a match: the shown tick exactly as stored, drawn with Ez
// through the renderer's camera, so the board pans, turns and tilts like the
// space view. Every entity is drawn whatever the player filter, which only
// chooses whose sight the fog shows. Main thread only.
#include <memory>

#include <vindle/context.hpp>

#include "velmora/renderer/broken_data.hpp"
#include "velmora/renderer/draw/ez.hpp"
#include "velmora/renderer/draw/frame_cache.hpp"
#include "velmora/renderer/draw/assets.hpp"
#include "velmora/renderer/draw_args.hpp"
#include "velmora/renderer/schematic.hpp"

namespace velmora::renderer::schematic {

class Renderer {
public:
    Renderer(std::shared_ptr<vindle::Vindle> engine, Assets assets);

    // Fourteen draws, plus one per attack line.
    void draw(const DrawArgs& args);

private:
    struct Frame;

    const ovra::Texture2d& texture(Icon icon) const;
    Frame build(const DrawArgs& args);
    void draw(const DrawArgs& args, const Frame& frame);

    Ez ez_;
    Assets assets_;
    BrokenDataLog log_;
    FrameCache cache_;
};

}  // namespace velmora::renderer::schematic
