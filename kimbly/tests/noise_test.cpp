#include "kimbly/noise.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace kimbly::noise {
namespace {

const std::uint64_t SEEDS[] = {0, 1, 42, 0xffffffffull, 0x8000000000000000ull};

// Samples on a grid whose steps share no period with the lattice, so the
// points fall at every position inside the cells.
std::vector<double> grid_samples(const Noise2& noise, double extent, double step) {
    std::vector<double> values;
    for (double x = -extent; x < extent; x += step)
        for (double y = -extent; y < extent; y += step * 1.113) values.push_back(noise.get(x, y));
    return values;
}

TEST(OpenSimplex, StaysInsideUnitRangeAndUsesMostOfIt) {
    for (std::uint64_t seed : SEEDS) {
        std::vector<double> values = grid_samples(OpenSimplex(seed), 20.0, 0.11);
        auto [lo, hi] = std::minmax_element(values.begin(), values.end());
        double sum = 0;
        for (double v : values) sum += v;
        EXPECT_GE(*lo, -1.0) << "seed " << seed;
        EXPECT_LE(*hi, 1.0) << "seed " << seed;
        EXPECT_LT(*lo, -0.6) << "seed " << seed;
        EXPECT_GT(*hi, 0.6) << "seed " << seed;
        EXPECT_NEAR(sum / static_cast<double>(values.size()), 0.0, 0.05) << "seed " << seed;
    }
}

// A contribution that appears or vanishes at a cell's edge, or a vertex
// picked on the wrong side of a triangle, shows up as a jump between two
// close samples. Walking rows and columns in small steps crosses every
// kind of edge; the steepest slope of the noise is about 2.3.
TEST(OpenSimplex, NeighbouringSamplesAreClose) {
    const double step = 0.003;
    const double max_jump = 3.0 * step;
    for (std::uint64_t seed : {std::uint64_t{0}, std::uint64_t{42}}) {
        OpenSimplex noise(seed);
        double worst = 0;
        for (int line = 0; line < 16; ++line) {
            double fixed = -9.7 + line * 1.271;
            double prev_row = noise.get(-12.0, fixed);
            double prev_col = noise.get(fixed, -12.0);
            for (double t = -12.0 + step; t < 12.0; t += step) {
                double row = noise.get(t, fixed);
                double col = noise.get(fixed, t);
                worst = std::max({worst, std::fabs(row - prev_row), std::fabs(col - prev_col)});
                prev_row = row;
                prev_col = col;
            }
        }
        EXPECT_LE(worst, max_jump) << "seed " << seed;
    }
}

TEST(OpenSimplex, SameSeedGivesSameValues) {
    for (std::uint64_t seed : SEEDS) {
        EXPECT_EQ(grid_samples(OpenSimplex(seed), 10.0, 0.37), grid_samples(OpenSimplex(seed), 10.0, 0.37))
            << "seed " << seed;
    }
}

TEST(OpenSimplex, DifferentSeedsGiveDifferentFields) {
    struct Case {
        std::uint64_t a;
        std::uint64_t b;
    };
    const Case cases[] = {
        {0, 1},
        {1, 2},
        {42, 43},
        {7, 7 + (std::uint64_t{1} << 32)},  // only the high half differs
    };
    for (const Case& c : cases) {
        std::vector<double> a = grid_samples(OpenSimplex(c.a), 10.0, 0.37);
        std::vector<double> b = grid_samples(OpenSimplex(c.b), 10.0, 0.37);
        std::size_t same = 0;
        for (std::size_t i = 0; i < a.size(); ++i) same += a[i] == b[i];
        EXPECT_LT(same, a.size() / 10) << "seeds " << c.a << " and " << c.b;
    }
}

// Maps are stored and compared by seed, so these values must come out bit
// for bit on every machine and every build type.
TEST(OpenSimplex, ValuesAreExactOnEveryMachine) {
    struct Case {
        std::uint64_t seed;
        double x;
        double y;
        double expected;
    };
    const Case cases[] = {
        {0, 0.5, 0.25, 0x1.a646ce28541fbp-2},
        {0, -3.7, 12.1, 0x1.6fd86aa1ffe52p-2},
        {1, 100.3, -42.9, -0x1.d6a49d0be78d2p-4},
        {42, -3.7, 12.1, -0x1.4cc4de9d415bdp-6},
        {0xffffffffull, -3.7, 12.1, -0x1.048ea077f80c9p-1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(OpenSimplex(c.seed).get(c.x, c.y), c.expected)
            << "seed " << c.seed << " at (" << c.x << ", " << c.y << ")";
    }
}

TEST(OpenSimplex, NonFiniteAndHugeCoordinatesGiveFiniteValues) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double points[][2] = {{nan, 1}, {1, nan}, {inf, 0}, {-inf, inf}, {1e300, -1e300}, {-1e18, 3}};
    OpenSimplex noise(5);
    for (const auto& p : points) {
        double v = noise.get(p[0], p[1]);
        EXPECT_TRUE(std::isfinite(v)) << "at (" << p[0] << ", " << p[1] << ")";
        EXPECT_LE(std::fabs(v), 1.0) << "at (" << p[0] << ", " << p[1] << ")";
    }
}

}  // namespace
}  // namespace kimbly::noise
