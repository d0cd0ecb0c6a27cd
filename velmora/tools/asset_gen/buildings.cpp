#include <cmath>
#include <numbers>

#include "models.hpp"
#include "palette.hpp"
#include "parts.hpp"

namespace asset_gen {

using namespace parts;

namespace {

constexpr float PI = std::numbers::pi_v<float>;

// The ground plate every building stands on, over its whole square.
Mesh foundation(float height, int top) { return box({-1, 0, -1}, {1, height, 1}, ARMOR, top); }

// The four corners (±at, ±at) in x and z.
template <class F>
Mesh at_corners(float at, F piece) {
    return join({piece(V2{at, at}), piece(V2{-at, at}), piece(V2{at, -at}), piece(V2{-at, -at})});
}

// A dome of `radius` on y = `base` around the y axis.
Mesh dome(float radius, float base, int sides, int side, int cap) {
    std::vector<Ring> rings;
    for (int i = 0; i <= 5; ++i) {
        float angle = PI / 2 * static_cast<float>(i) / 5.0f;
        rings.push_back({base + radius * std::sin(angle), polygon(sides, radius * std::cos(angle) + 0.001f)});
    }
    return column(rings, side, cap);
}

}  // namespace

// The builder base: a hazard-striped frame around a core that three rings
// tumble about, turning about the z axis through the origin.
Model builder_base() {
    Mesh frame = join({box({-1, 0, -1}, {1, 0.12f, -0.86f}, HAZARD, HULL),
                       box({-1, 0, 0.86f}, {1, 0.12f, 1}, HAZARD, HULL),
                       box({-1, 0, -0.86f}, {-0.86f, 0.12f, 0.86f}, HAZARD, HULL),
                       box({0.86f, 0, -0.86f}, {1, 0.12f, 0.86f}, HAZARD, HULL)});
    Mesh pylons = at_corners(0.88f, [](V2 c) {
        return join({box({c.x - 0.12f, 0, c.y - 0.12f}, {c.x + 0.12f, 0.4f, c.y + 0.12f}, HAZARD, BLACK),
                     box({c.x - 0.06f, 0.4f, c.y - 0.06f}, {c.x + 0.06f, 0.5f, c.y + 0.06f}, LIGHT)});
    });
    Mesh core = join({sphere(0.26f, 14, 8, HULL), rotate_x(torus(0.29f, 0.035f, 20, 6, TRIM), PI / 2),
                      tube_z({0, 0}, -0.36f, 0.36f, 0.06f, 8, METAL_DARK, ENERGY)});
    auto ring = [](float radius, int swatch, int beads) {
        Mesh mesh = torus(radius, 0.04f, 36, 6, swatch);
        for (int i = 0; i < beads; ++i) {
            float angle = 2 * PI * static_cast<float>(i) / static_cast<float>(beads);
            Mesh bead = box({radius - 0.07f, -0.07f, -0.07f}, {radius + 0.07f, 0.07f, 0.07f}, METAL_DARK, ENERGY);
            mesh = join({mesh, rotate_y(bead, angle)});
        }
        return mesh;
    };
    Model model;
    model.add("0_frame", join({frame, pylons}));
    model.add("1_core", core);
    model.add("2_ring", ring(0.45f, TRIM, 3));
    model.add("3_ring", rotate_z(ring(0.6f, HAZARD, 4), PI / 3));
    model.add("4_ring", rotate_z(ring(0.75f, HULL, 6), PI / 2));
    return model;
}

// The melee base: a walled fort with corner towers, a stepped keep and two
// crossed blades on top.
Model melee_base() {
    Mesh walls = join({box({-0.92f, 0.08f, -0.92f}, {0.92f, 0.34f, -0.78f}, HULL_DARK, HULL),
                       box({-0.92f, 0.08f, 0.78f}, {0.92f, 0.34f, 0.92f}, HULL_DARK, HULL),
                       box({-0.92f, 0.08f, -0.78f}, {-0.78f, 0.34f, 0.78f}, HULL_DARK, HULL),
                       box({0.78f, 0.08f, -0.78f}, {0.92f, 0.34f, 0.78f}, HULL_DARK, HULL)});
    Mesh gate = box({-0.22f, 0.08f, 0.9f}, {0.22f, 0.26f, 0.95f}, BLACK);
    Mesh towers = at_corners(0.82f, [](V2 c) { return pillar(c, 0.08f, 0.5f, 0.17f, 8, HULL, TRIM); });
    Mesh keep = column({{0.08f, rectangle({0.5f, 0.5f})},
                        {0.3f, rectangle({0.44f, 0.44f})},
                        {0.3f, rectangle({0.32f, 0.32f})},
                        {0.52f, rectangle({0.26f, 0.26f})}},
                       HULL_DARK, TRIM);
    Mesh blade = slab({{-0.08f, -0.66f}, {0.0f, -0.76f}, {0.08f, -0.66f}, {0.08f, 0.66f}, {0.0f, 0.76f}, {-0.08f, 0.66f}},
                      0.53f, 0.57f, METAL, WHITE);
    Mesh hilts = join({rotate_y(box({-0.2f, 0.52f, -0.5f}, {0.2f, 0.6f, -0.44f}, COPPER), PI / 4),
                       rotate_y(box({-0.2f, 0.52f, -0.5f}, {0.2f, 0.6f, -0.44f}, COPPER), -PI / 4)});
    Mesh gem = rotate_y(box({-0.08f, 0.52f, -0.08f}, {0.08f, 0.64f, 0.08f}, RED), PI / 4);
    Mesh spikes = at_corners(0.82f, [](V2 c) {
        return translate(rotate_x(cone_z({0, 0}, 0, 0.25f, 0.1f, 8, METAL), -PI / 2), {c.x, 0.5f, c.y});
    });
    Model model;
    model.add("0_foundation", foundation(0.08f, METAL_DARK));
    model.add("1_walls", join({walls, gate, towers}));
    model.add("2_keep", keep);
    model.add("3_blades", join({rotate_y(blade, PI / 4), rotate_y(blade, -PI / 4), hilts, gem}));
    model.add("4_spikes", spikes);
    return model;
}

// The ranged base: a round bastion under a dome that carries two long guns
// pointing ahead, with a radar mast behind.
Model ranged_base() {
    Mesh pads = at_corners(0.82f, [](V2 c) {
        return box({c.x - 0.12f, 0.08f, c.y - 0.12f}, {c.x + 0.12f, 0.12f, c.y + 0.12f}, METAL_DARK, LIGHT);
    });
    Mesh bastion = column({{0.08f, polygon(16, 0.92f)}, {0.2f, polygon(16, 0.88f)}, {0.26f, polygon(16, 0.74f)}},
                          HULL_DARK, TRIM);
    Mesh cupola = dome(0.58f, 0.26f, 16, HULL, HULL);
    Mesh window = box({-0.3f, 0.5f, 0.2f}, {0.3f, 0.6f, 0.46f}, GLASS);
    auto gun = [](float x) {
        return join({tube_z({x, 0.62f}, -0.1f, 0.98f, 0.08f, 10, METAL_DARK, METAL_DARK),
                     tube_z({x, 0.62f}, 0.82f, 1.0f, 0.1f, 10, ENERGY, ENERGY),
                     box({x - 0.1f, 0.5f, -0.2f}, {x + 0.1f, 0.7f, 0.2f}, METAL, METAL)});
    };
    Mesh mast = join({pillar({0, -0.62f}, 0.5f, 0.95f, 0.04f, 6, METAL, METAL),
                      translate(rotate_x(cone_z({0, 0}, 0, 0.12f, 0.22f, 12, WHITE), -PI * 0.7f), {0, 0.95f, -0.62f})});
    Model model;
    model.add("0_foundation", join({foundation(0.08f, METAL_DARK), pads}));
    model.add("1_bastion", bastion);
    model.add("2_dome", join({cupola, window}));
    model.add("3_guns", join({gun(0.2f), gun(-0.2f)}));
    model.add("4_mast", mast);
    return model;
}

// A cottage: white walls with lit windows and a door under a pitched roof
// in the owner's colour, and a chimney.
Model house() {
    Mesh walls = box({-0.78f, 0.06f, -0.72f}, {0.78f, 0.62f, 0.72f}, WHITE, WHITE);
    Mesh door = box({-0.13f, 0.06f, 0.7f}, {0.13f, 0.4f, 0.76f}, COPPER);
    Mesh windows = join({box({-0.62f, 0.28f, 0.7f}, {-0.32f, 0.48f, 0.75f}, LIGHT),
                         box({0.32f, 0.28f, 0.7f}, {0.62f, 0.48f, 0.75f}, LIGHT),
                         box({-0.62f, 0.28f, -0.75f}, {-0.32f, 0.48f, -0.7f}, LIGHT),
                         box({0.32f, 0.28f, -0.75f}, {0.62f, 0.48f, -0.7f}, LIGHT),
                         box({0.76f, 0.28f, -0.2f}, {0.81f, 0.48f, 0.2f}, LIGHT),
                         box({-0.81f, 0.28f, -0.2f}, {-0.76f, 0.48f, 0.2f}, LIGHT)});
    // The ridge runs along x, so the two slopes face ±z.
    Mesh roof = rotate_y(loft({{-0.92f, {{-0.92f, 0.58f}, {0.92f, 0.58f}, {0.0f, 1.1f}}},
                               {0.92f, {{-0.92f, 0.58f}, {0.92f, 0.58f}, {0.0f, 1.1f}}}},
                              HULL, HULL_DARK),
                         PI / 2);
    Mesh ridge = box({-0.94f, 1.08f, -0.04f}, {0.94f, 1.14f, 0.04f}, HULL_DARK);
    Mesh chimney = box({0.35f, 0.7f, -0.45f}, {0.55f, 1.18f, -0.25f}, COPPER, METAL_DARK);
    Mesh path = box({-0.2f, 0.06f, 0.76f}, {0.2f, 0.08f, 1.0f}, METAL);
    Model model;
    model.add("0_foundation", join({foundation(0.06f, METAL_DARK), path}));
    model.add("1_walls", join({walls, door, windows}));
    model.add("2_roof", join({roof, ridge}));
    model.add("3_chimney", chimney);
    return model;
}

// An armoured block with a band in the owner's colour and battlements.
Model wall() {
    // The band stands out of the block; together they span the whole square.
    Mesh block = box({-0.94f, 0, -0.94f}, {0.94f, 1.1f, 0.94f}, ARMOR, METAL_DARK);
    Mesh band = box({-1.0f, 0.65f, -1.0f}, {1.0f, 0.85f, 1.0f}, HULL, HULL);
    Mesh hatch = box({-0.2f, 1.1f, -0.2f}, {0.2f, 1.16f, 0.2f}, METAL, TRIM);
    Mesh merlons = at_corners(0.68f, [](V2 c) {
        return box({c.x - 0.26f, 1.1f, c.y - 0.26f}, {c.x + 0.26f, 1.45f, c.y + 0.26f}, ARMOR, HULL);
    });
    Model model;
    model.add("0_block", join({block, band}));
    model.add("1_battlements", join({merlons, hatch}));
    return model;
}

// A gun turret: a plinth, a turning head and twin barrels pointing ahead.
Model turret() {
    Mesh plinth = column({{0.1f, polygon(8, 0.8f, PI / 8)}, {0.42f, polygon(8, 0.62f, PI / 8)}}, HULL_DARK, METAL_DARK);
    Mesh head = column({{0.42f, chamfered({0.46f, 0.46f}, 0.16f)}, {0.8f, chamfered({0.38f, 0.4f}, 0.14f)}}, HULL, TRIM);
    Mesh sight = box({-0.2f, 0.8f, -0.3f}, {0.2f, 0.9f, 0.05f}, BLACK, GLASS);
    auto barrel = [](float x) {
        return join({tube_z({x, 0.6f}, 0.3f, 1.0f, 0.07f, 10, METAL_DARK, METAL_DARK),
                     tube_z({x, 0.6f}, 0.88f, 1.0f, 0.09f, 10, ENERGY, ENERGY)});
    };
    Model model;
    model.add("0_base", join({foundation(0.1f, METAL_DARK), plinth}));
    model.add("1_head", join({head, sight}));
    model.add("2_barrels", join({barrel(0.18f), barrel(-0.18f)}));
    return model;
}

// A lumpy ball for the resource clouds, drawn untextured. Clouds are drawn
// twice per resource cell and a map holds thousands: a software GL spends
// most of those passes on triangles, and through the faint halo glows over
// them a ball of 36 faces reads as well as a finer one.
Model cloud() {
    constexpr int AROUND = 6;
    constexpr int DOWN = 4;
    auto point = [](int i, int j) {
        float u = 2 * PI * static_cast<float>(i) / static_cast<float>(AROUND);
        float v = PI * static_cast<float>(j) / static_cast<float>(DOWN);
        V3 direction{std::sin(v) * std::cos(u), -std::cos(v), std::sin(v) * std::sin(u)};
        float bump = value_noise(direction.x * 1.7f + 5, direction.y * 1.7f + direction.z * 0.9f + 5, 2, 3u);
        return direction * (0.8f + 0.4f * bump);
    };
    Model model;
    model.add("Cube_Cube.001", surface(AROUND, DOWN, point, [](V3) { return V3{}; }, WHITE));
    return model;
}

}  // namespace asset_gen
