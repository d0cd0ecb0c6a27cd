#include <numbers>

#include "models.hpp"
#include "palette.hpp"
#include "parts.hpp"

namespace asset_gen {

using namespace parts;

namespace {

// How far a trail reaches behind the back of its hull. The loader rescales a
// ship's hull and trail together into the unit box, and the view draws that
// box small inside the health ring: every bit of trail beyond the hull
// shrinks the hull and moves it off the ship's centre. So the trails start
// inside the engines and end just behind the hull; in flight they read as
// short flames, which the trail texture fades out.
constexpr float TRAIL_BEYOND = 0.2f;

}  // namespace

// A stubby tug: a boxy hull between two engine pods, with two arms reaching
// forward that end in yellow grabbers.
Model worker_ship() {
    const float y = 0.45f;
    Mesh hull = loft({{-0.75f, chamfered({0.28f, 0.18f}, 0.08f, {0, y})},
                      {-0.55f, chamfered({0.36f, 0.25f}, 0.1f, {0, y})},
                      {0.25f, chamfered({0.36f, 0.25f}, 0.1f, {0, y})},
                      {0.55f, chamfered({0.26f, 0.17f}, 0.08f, {0, y})}},
                     HULL, HULL_DARK);
    Mesh cockpit = loft({{0.0f, chamfered({0.16f, 0.07f}, 0.04f, {0, y + 0.27f})},
                         {0.42f, chamfered({0.1f, 0.03f}, 0.02f, {0, y + 0.22f})}},
                        GLASS, GLASS);
    // Warning stripes across the back deck.
    Mesh stripes = join({box({-0.24f, y + 0.23f, -0.52f}, {0.24f, y + 0.27f, -0.44f}, HAZARD),
                         box({-0.24f, y + 0.23f, -0.44f}, {0.24f, y + 0.27f, -0.36f}, BLACK),
                         box({-0.24f, y + 0.23f, -0.36f}, {0.24f, y + 0.27f, -0.28f}, HAZARD),
                         box({-0.24f, y + 0.23f, -0.28f}, {0.24f, y + 0.27f, -0.2f}, BLACK),
                         box({-0.24f, y + 0.23f, -0.2f}, {0.24f, y + 0.27f, -0.12f}, HAZARD)});
    Mesh pod = tube_z({0.52f, y - 0.05f}, -0.8f, 0.15f, 0.15f, 10, METAL, ENGINE);
    Mesh pod_nose = cone_z({0.52f, y - 0.05f}, 0.15f, 0.3f, 0.15f, 10, METAL_DARK);
    Mesh strut = box({0.3f, y - 0.1f, -0.5f}, {0.42f, y + 0.02f, -0.1f}, HULL_DARK);
    Mesh arm = box({0.36f, y - 0.08f, 0.2f}, {0.44f, y, 0.78f}, HAZARD);
    Mesh claw = rotate_y(box({-0.04f, -0.05f, 0.0f}, {0.04f, 0.05f, 0.22f}, METAL_DARK), -0.6f);
    Mesh claws = join({translate(claw, {0.4f, y - 0.04f, 0.76f}), translate(mirror_x(claw), {0.4f, y - 0.04f, 0.76f})});
    Mesh lamp = box({0.2f, y + 0.1f, 0.5f}, {0.26f, y + 0.16f, 0.56f}, LIGHT);
    Model model;
    model.add("spaceship", join({hull, cockpit, stripes, symmetric_x(join({pod, pod_nose, strut, arm, claws, lamp}))}));
    model.add("trail", join({exhaust({0.52f, y - 0.05f, -0.7f}, -0.8f - TRAIL_BEYOND, 0.24f),
                             exhaust({-0.52f, y - 0.05f, -0.7f}, -0.8f - TRAIL_BEYOND, 0.24f)}));
    return model;
}

// A dart with swept wings and two long blades reaching past its nose.
Model melee_ship() {
    const float y = 0.45f;
    Mesh hull = loft({{-0.8f, chamfered({0.16f, 0.1f}, 0.05f, {0, y})},
                      {-0.35f, chamfered({0.28f, 0.16f}, 0.08f, {0, y})},
                      {0.35f, chamfered({0.16f, 0.11f}, 0.05f, {0, y})},
                      {1.0f, polygon(8, 0.01f, 0, {0, y})}},
                     HULL, ENGINE);
    Mesh cockpit = loft({{-0.2f, chamfered({0.11f, 0.05f}, 0.03f, {0, y + 0.17f})},
                         {0.3f, chamfered({0.05f, 0.02f}, 0.01f, {0, y + 0.1f})}},
                        RED, RED);
    Mesh wing = slab({{0.2f, -0.45f}, {0.95f, -0.85f}, {0.95f, -0.62f}, {0.2f, 0.15f}}, y - 0.04f, y + 0.02f, HULL_DARK, TRIM);
    Mesh blade = slab({{0.2f, -0.1f}, {0.42f, 0.05f}, {0.28f, 1.05f}}, y - 0.03f, y + 0.03f, METAL, WHITE);
    Mesh fin = slab({{0.9f, -0.85f}, {0.98f, -0.85f}, {0.98f, -0.5f}}, y - 0.2f, y + 0.2f, TRIM, TRIM);
    // A fin profile laid flat (x is its height), stood up by a quarter turn.
    Mesh tail = rotate_z(slab({{0.0f, -0.8f}, {0.25f, -0.78f}, {0.0f, -0.3f}}, -0.02f, 0.02f, TRIM, HULL_DARK),
                         std::numbers::pi_v<float> / 2);
    Model model;
    model.add("spaceship", join({hull, cockpit, translate(tail, {0, y + 0.08f, 0}), symmetric_x(join({wing, blade, fin}))}));
    model.add("trail", exhaust({0, y, -0.7f}, -0.85f - TRAIL_BEYOND, 0.3f));
    return model;
}

// A long gunship: a slim hull on straight wings that carry two long
// cannons and engine pods at the tips.
Model ranged_ship() {
    const float y = 0.45f;
    Mesh hull = loft({{-0.9f, chamfered({0.13f, 0.11f}, 0.04f, {0, y})},
                      {-0.6f, chamfered({0.19f, 0.15f}, 0.06f, {0, y})},
                      {0.45f, chamfered({0.15f, 0.12f}, 0.05f, {0, y})},
                      {0.85f, chamfered({0.05f, 0.04f}, 0.015f, {0, y - 0.02f})}},
                     HULL, ENGINE);
    Mesh cockpit = loft({{0.1f, chamfered({0.09f, 0.05f}, 0.03f, {0, y + 0.14f})},
                         {0.55f, chamfered({0.04f, 0.02f}, 0.01f, {0, y + 0.08f})}},
                        GLASS, GLASS);
    Mesh wing = slab({{0.12f, -0.55f}, {1.0f, -0.42f}, {1.0f, -0.22f}, {0.12f, 0.05f}}, y - 0.05f, y, HULL, TRIM);
    Mesh pod = tube_z({0.96f, y - 0.02f}, -0.62f, -0.05f, 0.07f, 8, METAL, ENGINE);
    Mesh pod_nose = cone_z({0.96f, y - 0.02f}, -0.05f, 0.1f, 0.07f, 8, RED);
    Mesh cannon = tube_z({0.42f, y - 0.1f}, -0.35f, 0.95f, 0.055f, 8, METAL_DARK, METAL_DARK);
    Mesh muzzle = tube_z({0.42f, y - 0.1f}, 0.85f, 1.0f, 0.075f, 8, ENERGY, ENERGY);
    Mesh mount = box({0.38f, y - 0.1f, -0.3f}, {0.46f, y - 0.02f, 0.0f}, HULL_DARK);
    Model model;
    model.add("spaceship", join({hull, cockpit, symmetric_x(join({wing, pod, pod_nose, cannon, muzzle, mount}))}));
    model.add("trail", exhaust({0, y, -0.8f}, -0.9f - TRAIL_BEYOND, 0.22f));
    return model;
}

}  // namespace asset_gen
