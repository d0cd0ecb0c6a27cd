#include "velmora/renderer/space/stars.hpp"

namespace velmora::renderer::space {

std::vector<Billboard> star_field(kimbly::rng::Rng& rng) {
    std::vector<Billboard> stars;
    stars.reserve(STAR_COUNT);
    for (std::size_t i = 0; i < STAR_COUNT; ++i) {
        const float x = kimbly::rng::uniform_f32(rng, -256.0f, 512.0f);
        const float y = kimbly::rng::uniform_f32(rng, -256.0f, 512.0f);
        const float z = kimbly::rng::uniform_f32(rng, -100.0f, -50.0f);
        stars.push_back({{x, y, z}, 0.0f, 1.0f, {1.0f, 1.0f, 1.0f, 1.0f}});
    }
    return stars;
}

}  // namespace velmora::renderer::space
