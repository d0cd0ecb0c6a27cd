#pragma once
// The 3D view of a match: ships gliding between cells with trails, buildings
// growing part by part, glowing resource clouds, bullets, explosions and
// health rings over a field of stars, the unseen parts darkened. Motion comes
// from the per-tick renderer data interpolated at the playback fraction.
// Every entity is drawn whatever the player filter, which only chooses whose
// sight the fog shows. Main thread only.
#include <memory>
#include <vector>

#include <kimbly/noise.hpp>
#include <kimbly/rng.hpp>
#include <vindle/context.hpp>

#include "velmora/renderer/broken_data.hpp"
#include "velmora/renderer/draw/circle_bar.hpp"
#include "velmora/renderer/draw/fog_plane.hpp"
#include "velmora/renderer/draw/frame_cache.hpp"
#include "velmora/renderer/draw/model_renderer.hpp"
#include "velmora/renderer/draw/sprite.hpp"
#include "velmora/renderer/draw/assets.hpp"
#include "velmora/renderer/draw_args.hpp"
#include "velmora/renderer/space/alive_index.hpp"
#include "velmora/renderer/space/nebulae.hpp"

namespace velmora::renderer::space {

inline constexpr kimbly::ColorF32 BACKGROUND_COLOR{5.0f / 255.0f, 21.0f / 255.0f, 38.0f / 255.0f, 1.0f};

class Renderer {
public:
    // The stars are scattered with draws from `stars`, the calling thread's
    // own generator unless a test gives a seeded one.
    Renderer(std::shared_ptr<vindle::Vindle> engine, Assets assets,
             kimbly::rng::Rng& stars = kimbly::rng::global_rng());


    void draw(const DrawArgs& args);

private:
    struct Frame;

    Frame build(const DrawArgs& args);
    void draw(const DrawArgs& args, const Frame& frame);
    void add_spaceships(Frame& frame, const DrawArgs& args, const AliveIndex& alive, model::EntityType type,
                        Spaceship& ship);
    void add_building(Frame& frame, const DrawArgs& args, const Scene& scene, const AliveIndex& alive,
                      Building& building, model::EntityType type, bool spin);
    void draw_resources(const DrawArgs& args, const Nebulae& look);

    std::shared_ptr<vindle::Vindle> engine_;
    Assets assets_;
    obj::Renderer models_;
    sprite::Renderer sprites_;
    circle_bar::Renderer rings_;
    ovra::Texture2d white_;
    ovra::VertexBuffer<sprite::Instance> stars_;
    fog::Data fog_;
    kimbly::noise::OpenSimplex noise_{0};
    BrokenDataLog log_;
    FrameCache cache_;
};

}  // namespace velmora::renderer::space
