// Draws every model of the generated assets, from an angle and from above,
// and the icons and sprites under them, into one picture for a person to
// look at: <build>/test-output/asset_contact_sheet.png.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <vindle/testing/asset_fixture.hpp>

#include "velmora/renderer/draw/assets.hpp"
#include "velmora/renderer/draw/ez.hpp"
#include "viewer_gl_test.hpp"

namespace {

using namespace velmora::renderer;
using velmora::camera::Camera;
using vindle::obj::Vertex;

constexpr std::uint64_t TILE = 200;
constexpr std::uint64_t COLUMNS = 10;
constexpr std::uint64_t ROWS = 3;
constexpr kimbly::ColorF32 SPACE{5 / 255.0f, 21 / 255.0f, 38 / 255.0f, 1};

// The space view's lighting without its per-instance placement. A texture
// framebuffer has no depth buffer, so triangles are sorted far to near.
constexpr std::string_view PREVIEW = R"(varying vec2 v_vt;
varying float v_light;

#ifdef VERTEX_SHADER
attribute vec3 a_v;
attribute vec2 a_vt;
attribute vec3 a_vn;
uniform mat4 u_matrix;

void main()
{
    v_vt = a_vt;
    float light = (dot(a_vn, normalize(vec3(1.0, -1.0, 5.0))) + 1.0) / 2.0;
    v_light = 0.5 + light * 0.5;
    gl_Position = u_matrix * vec4(a_v, 1.0);
}
#endif

#ifdef FRAGMENT_SHADER
uniform sampler2D u_texture;
uniform vec4 u_color;

void main()
{
    vec4 c = texture2D(u_texture, v_vt) * u_color;
    gl_FragColor = vec4(c.rgb * v_light, c.a);
}
#endif)";

struct Layer {
    std::vector<Vertex> triangles;
    const ovra::Texture2d* texture;
    kimbly::ColorF32 color{1, 1, 1, 1};
};

class ContactSheetGlTest : public velmora::testing::ViewerGlTest {
protected:
    void draw_model(std::uint64_t column, const std::vector<Layer>& layers) {
        // From an angle, and from above as the game's first view shows them.
        const Camera views[]{{{0, 0}, 0.6f, 0.75f, 1.45f, false}, {{0, 0}, 0, velmora::camera::HALF_PI, 1.25f, false}};
        for (std::uint64_t row = 0; row < 2; ++row) {
            auto matrix = views[row].matrix({TILE, TILE});
            ovra::DrawParameters parameters;
            parameters.blend_mode = ovra::BlendMode::Alpha;
            parameters.cull_face = ovra::CullFace::Back;
            parameters.viewport = kimbly::AabbUsize{column * TILE, (column + 1) * TILE, (ROWS - 1 - row) * TILE,
                                                    (ROWS - row) * TILE};
            for (const Layer& layer : with_ground(layers)) {
                auto buffer = ovra::VertexBuffer<Vertex>::new_dynamic(ovra, far_to_near(layer.triangles, views[row].view_matrix()));
                ovra::draw::draw(*framebuffer, *program, ovra::draw_mode::Triangles{}, buffer,
                                 {{"u_matrix", matrix}, {"u_texture", layer.texture}, {"u_color", layer.color}},
                                 parameters);
            }
        }
    }

    std::vector<Layer> with_ground(const std::vector<Layer>& layers) {
        std::vector<Layer> all{{{}, &*white, {0.16f, 0.19f, 0.24f, 1}}};
        for (auto [x, y] : {std::pair{-1.0f, -1.0f}, {1.0f, -1.0f}, {1.0f, 1.0f}, {-1.0f, -1.0f}, {1.0f, 1.0f}, {-1.0f, 1.0f}}) {
            all[0].triangles.push_back({{x, y, 0}, {0.5f, 0.5f}, {0, 0, 1}});
        }
        all.insert(all.end(), layers.begin(), layers.end());
        return all;
    }

    // Triangles cut into four until no side is longer than `longest`, so
    // that sorting whole triangles by their middles rarely puts a far one
    // over a near one.
    static void split(const Vertex& a, const Vertex& b, const Vertex& c, float longest, std::vector<Vertex>& out) {
        auto length = [](const Vertex& p, const Vertex& q) {
            float dx = p.a_v.x - q.a_v.x, dy = p.a_v.y - q.a_v.y, dz = p.a_v.z - q.a_v.z;
            return std::sqrt(dx * dx + dy * dy + dz * dz);
        };
        if (std::max({length(a, b), length(b, c), length(c, a)}) <= longest) {
            out.insert(out.end(), {a, b, c});
            return;
        }
        auto middle = [](const Vertex& p, const Vertex& q) {
            return Vertex{{(p.a_v.x + q.a_v.x) / 2, (p.a_v.y + q.a_v.y) / 2, (p.a_v.z + q.a_v.z) / 2},
                          {(p.a_vt.x + q.a_vt.x) / 2, (p.a_vt.y + q.a_vt.y) / 2},
                          p.a_vn};
        };
        Vertex ab = middle(a, b), bc = middle(b, c), ca = middle(c, a);
        split(a, ab, ca, longest, out);
        split(ab, b, bc, longest, out);
        split(ca, bc, c, longest, out);
        split(ab, bc, ca, longest, out);
    }

    // The eye looks along -z of the view.
    static std::vector<Vertex> far_to_near(const std::vector<Vertex>& triangles, const kimbly::Mat4F32& view) {
        std::vector<Vertex> vertices;
        for (std::size_t i = 0; i + 2 < triangles.size(); i += 3) split(triangles[i], triangles[i + 1], triangles[i + 2], 0.12f, vertices);
        std::vector<std::pair<float, std::size_t>> depths;
        for (std::size_t i = 0; i + 2 < vertices.size(); i += 3) {
            float z = 0;
            for (std::size_t k = i; k < i + 3; ++k) {
                z += (view * kimbly::Mat4F32::Column{vertices[k].a_v.x, vertices[k].a_v.y, vertices[k].a_v.z, 1})[2];
            }
            depths.emplace_back(z, i);
        }
        std::stable_sort(depths.begin(), depths.end(), [](auto a, auto b) { return a.first < b.first; });
        std::vector<Vertex> sorted;
        for (auto [w, i] : depths) sorted.insert(sorted.end(), vertices.begin() + i, vertices.begin() + i + 3);
        return sorted;
    }

    static std::vector<Vertex> records(const MeshBuffer& mesh) { return mesh.records(); }

    std::vector<Layer> ship(const space::Spaceship& ship, int seat) {
        std::vector<Layer> layers{{records(ship.spaceship), &ship.textures[seat]}};
        if (ship.trail) layers.push_back({records(*ship.trail), &ship.trail_texture, {1, 1, 0, 1}});
        return layers;
    }

    std::vector<Layer> building(const space::Building& building, int seat) {
        Layer layer{{}, &building.textures[seat]};
        for (const auto& [name, mesh] : building.parts) {
            auto part = records(mesh);
            layer.triangles.insert(layer.triangles.end(), part.begin(), part.end());
        }
        return {layer};
    }

    // Pictures over the bottom row, in pixels.
    void draw_pictures(const std::vector<const ovra::Texture2d*>& pictures) {
        Ez ez(engine);
        auto size = framebuffer->size();
        auto camera = velmora::testing::top_down({size.x / 2.0f, size.y / 2.0f}, size.y / 2.0f);
        for (std::size_t i = 0; i < pictures.size(); ++i) {
            kimbly::Vec2F32 centre{(static_cast<float>(i) + 0.5f) * TILE, TILE / 2.0f};
            ez.textured_quads(*framebuffer, camera, {{centre, 0, {TILE * 0.4f, TILE * 0.4f}, {1, 1, 1, 1}}}, *pictures[i]);
        }
    }

    bool tile_has_picture(std::uint64_t column, std::uint64_t row, const std::vector<std::uint8_t>& pixels) {
        auto background = ovra::color_bytes(SPACE);
        int differing = 0;
        for (std::uint64_t y = row * TILE; y < (row + 1) * TILE; y += 2) {
            for (std::uint64_t x = column * TILE; x < (column + 1) * TILE; x += 2) {
                auto p = ovra::testing::pixel_at(pixels, COLUMNS * TILE, x, y);
                if (std::abs(int(p[0]) - background[0]) + std::abs(int(p[1]) - background[1]) +
                        std::abs(int(p[2]) - background[2]) > 30) {
                    differing += 1;
                }
            }
        }
        return differing > 50;
    }

    std::optional<ovra::Texture2d> white;
    std::optional<ovra::Program> program;
};

TEST_F(ContactSheetGlTest, EveryModelAndPictureShows) {
    auto future = vindle::asset::LoadAsset<Assets>::load(*engine, VELMORA_ASSETS_DIR);
    auto assets = asset_test::wait(*future).take();
    white = ovra::Texture2d::new_with(ovra, {1, 1}, [](kimbly::Vec2Usize) { return kimbly::ColorF32{1, 1, 1, 1}; });
    program = vindle::shader_lib::compile_or_stop(engine->shader_lib(), PREVIEW);
    target_of({COLUMNS * TILE, ROWS * TILE}, SPACE);

    const auto& s = assets.space;
    draw_model(0, ship(s.unit.worker, 0));
    draw_model(1, ship(s.unit.melee, 1));
    draw_model(2, ship(s.unit.ranged, 2));
    draw_model(3, building(s.buildings.base_a, 3));
    draw_model(4, building(s.buildings.base_b, 0));
    draw_model(5, building(s.buildings.base_c, 1));
    draw_model(6, building(s.buildings.home, 2));
    draw_model(7, building(s.buildings.wall, 3));
    draw_model(8, building(s.buildings.turret, 0));
    draw_model(9, {{records(s.cloud.meshes.at("Cube_Cube.001")), &*white, {66 / 255.0f, 141 / 255.0f, 210 / 255.0f, 1}}});
    const auto& icons = assets.schematic;
    draw_pictures({&icons.unit.builder, &icons.unit.melee, &icons.unit.ranged, &icons.buildings.house,
                   &icons.buildings.turret, &s.glow, &s.explosion, &s.bullet, &s.repair, &s.unit.melee.trail_texture});

    auto pixels = ovra::testing::read_pixels(*framebuffer);
    std::filesystem::create_directories(VELMORA_BINARY_DIR "/test-output");
    EXPECT_TRUE(ovra::testing::write_png(VELMORA_BINARY_DIR "/test-output/asset_contact_sheet.png",
                                         framebuffer->size(), pixels));
    for (std::uint64_t row = 0; row < ROWS; ++row) {
        for (std::uint64_t column = 0; column < COLUMNS; ++column) {
            EXPECT_TRUE(tile_has_picture(column, row, pixels)) << "column " << column << ", row " << row;
        }
    }
}

}  // namespace
