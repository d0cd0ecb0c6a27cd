#include "velmora/renderer/space/nebulae.hpp"

#include "velmora/renderer/view_lookup.hpp"

namespace velmora::renderer::space {

namespace {

constexpr double PI_F64 = 3.141592653589793;

kimbly::ColorF32 mixed(double f, float alpha) {
    const auto mix = [f](float one, float two) { return static_cast<float>(one * f + two * (1.0 - f)); };
    return {mix(CLOUD_COLOR_ONE.r, CLOUD_COLOR_TWO.r), mix(CLOUD_COLOR_ONE.g, CLOUD_COLOR_TWO.g),
            mix(CLOUD_COLOR_ONE.b, CLOUD_COLOR_TWO.b), alpha};
}

}  // namespace

Nebulae nebulae(const model::Model& state, double time, const kimbly::noise::Noise2& noise, BrokenDataLog& log) {
    Nebulae result;
    const model::EntityProperties* properties = find_properties(state, model::EntityType::Resource, log);
    if (properties == nullptr) return result;
    for (const model::Entity& entity : state.entities.iter()) {
        if (entity.entity_type != model::EntityType::Resource) continue;
        const double x = static_cast<double>(entity.position.x);
        const double y = static_cast<double>(entity.position.y);
        // The pulse and the tint change quickly, the drift slowly; the height
        // stays.
        const double m = noise.get(time + x, y);
        const double p = noise.get(time * 0.1 + x, y);
        const double q = noise.get(time * 0.1 + x + 100.0, y);
        const double h = noise.get(x, y);
        const double left = static_cast<double>(entity.health) / static_cast<double>(properties->max_health);
        const float shrink = static_cast<float>(0.8 * left + 0.2);
        const float pulse = static_cast<float>(m * 0.1 + 1.0);
        const double mix = m * 0.5 + 0.5;
        const kimbly::Vec3 at{static_cast<float>(x + 0.5 + 0.5 * p), static_cast<float>(y + 0.5 + 0.5 * q),
                              static_cast<float>(h)};
        const float turn = static_cast<float>(PI_F64 * p);
        result.glows.push_back({at, turn, pulse * 3.0f * shrink, mixed(mix, 0.3f)});
        result.glows.push_back({at, turn, pulse * 0.5f, mixed(mix, 1.7f)});
        result.cores.push_back({at, turn, 0.0f, pulse * 0.05f, CLOUD_COLOR_ONE, 1.0f});
        result.clouds.push_back({at, turn, 0.0f, pulse * 0.8f * shrink, mixed(mix, 0.15f), 0.0f});
    }
    return result;
}

}  // namespace velmora::renderer::space
