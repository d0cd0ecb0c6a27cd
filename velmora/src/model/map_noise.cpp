#include "velmora/model/map_noise.hpp"

namespace velmora::model {

namespace {

// From two samples in [-1, 1] to a value in [-1, 1] with more contrast:
// averaging flattens the noise, the curve sharpens it again.
double contrast(double first, double second) {
    const double v = ((first + 1) / 2 + (second + 1) / 2) / 2;
    const double f = v <= 0.5 ? 2 * v * v : 1 - 2 * (1 - v) * (1 - v);
    return 2 * f - 1;
}

}  // namespace

template <>
double MyNoise::get(double x, double y) const { return contrast(source_.get(x, y), source_.get(-x, -y)); }

template <>
double MyNoise2::get(double x, double y) const {
    // Fold into the quadrant where both coordinates are non-negative by a
    // quarter turn; zero counts as non-negative.
    double a = x;
    double b = y;
    if (x >= 0 && y < 0) {
        a = -y;
        b = x;
    } else if (x < 0 && y >= 0) {
        a = y;
        b = -x;
    } else if (x < 0 && y < 0) {
        a = -x;
        b = -y;
    }
    return contrast(source_.get(a, b), source_.get(b, -a));
}

std::unique_ptr<kimbly::noise::Noise2> map_noise(std::uint32_t seed, std::uint64_t player_count) {
    if (player_count < 3) return std::make_unique<MyNoise>(seed);
    return std::make_unique<MyNoise2>(seed);
}

}  // namespace velmora::model
