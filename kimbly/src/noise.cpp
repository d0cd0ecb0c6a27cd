#include "kimbly/noise.hpp"

#include <cmath>

namespace kimbly::noise {

namespace {

// (1 / sqrt(3) - 1) / 2: skews the plane onto the simplex lattice.
constexpr double STRETCH = -0.211324865405187;
// (sqrt(3) - 1) / 2: maps lattice coordinates back onto the plane.
constexpr double SQUISH = 0.366025403784439;
// Scales the summed contributions into about [-0.87, 0.87].
constexpr double NORM = 47.0;

// Eight gradients in pairs (x, y), spread evenly around the circle.
constexpr std::array<int, 16> GRADIENTS = {
    5, 2, 2, 5, -5, 2, -2, 5, 5, -2, 2, -5, -5, -2, -2, -5,
};

constexpr std::uint64_t LCG_MUL = 6364136223846793005ull;
constexpr std::uint64_t LCG_INC = 1442695040888963407ull;

// Past 2^52 a double has no fractional part left, so clamping there only
// stops the integer conversion from overflowing; NaN lands on 0.
std::int64_t floor_to_int(double v) {
    constexpr double LIMIT = 4503599627370496.0;  // 2^52
    if (!(v > -LIMIT)) return v < 0 ? static_cast<std::int64_t>(-LIMIT) : 0;
    if (v > LIMIT) return static_cast<std::int64_t>(LIMIT);
    return static_cast<std::int64_t>(std::floor(v));
}

// The (2 - d²)⁴ falloff of one vertex's contribution, 0 outside its reach.
double falloff(double dx, double dy) {
    double attn = 2 - dx * dx - dy * dy;
    if (!(attn > 0)) return 0;  // also drops NaN from non-finite input
    attn *= attn;
    return attn * attn;
}

}  // namespace

OpenSimplex::OpenSimplex(std::uint64_t seed) {
    std::array<std::uint8_t, 256> pool;
    for (int i = 0; i < 256; ++i) pool[i] = static_cast<std::uint8_t>(i);
    std::uint64_t s = seed;
    for (int i = 0; i < 3; ++i) s = s * LCG_MUL + LCG_INC;
    for (int i = 255; i >= 0; --i) {
        s = s * LCG_MUL + LCG_INC;
        auto r = static_cast<int>((s + 31) % static_cast<std::uint64_t>(i + 1));
        perm_[i] = pool[r];
        pool[r] = pool[i];
    }
}

double OpenSimplex::extrapolate(std::int64_t xsb, std::int64_t ysb, double dx, double dy) const {
    // Wrapping unsigned arithmetic keeps the hash defined for any vertex.
    auto ux = static_cast<std::uint64_t>(xsb);
    auto uy = static_cast<std::uint64_t>(ysb);
    std::size_t index = perm_[(perm_[ux & 0xFF] + uy) & 0xFF] & 0x0E;
    return GRADIENTS[index] * dx + GRADIENTS[index + 1] * dy;
}

double OpenSimplex::get(double x, double y) const {
    // Skewed coordinates, the lattice cell they fall in, and the position
    // inside that cell (the cell is two triangles split by xins + yins = 1).
    double stretch_offset = (x + y) * STRETCH;
    double xs = x + stretch_offset;
    double ys = y + stretch_offset;
    std::int64_t xsb = floor_to_int(xs);
    std::int64_t ysb = floor_to_int(ys);
    double xins = xs - static_cast<double>(xsb);
    double yins = ys - static_cast<double>(ysb);
    double in_sum = xins + yins;

    // Offset of the point from the cell's origin vertex, in the plane.
    double squish_offset = static_cast<double>(xsb + ysb) * SQUISH;
    double dx0 = x - (static_cast<double>(xsb) + squish_offset);
    double dy0 = y - (static_cast<double>(ysb) + squish_offset);

    double value = 0;

    // Vertices (1, 0) and (0, 1) of the cell are near in both triangles.
    double dx1 = dx0 - 1 - SQUISH;
    double dy1 = dy0 - SQUISH;
    if (double a = falloff(dx1, dy1); a > 0) value += a * extrapolate(xsb + 1, ysb, dx1, dy1);
    double dx2 = dx0 - SQUISH;
    double dy2 = dy0 - 1 - SQUISH;
    if (double a = falloff(dx2, dy2); a > 0) value += a * extrapolate(xsb, ysb + 1, dx2, dy2);

    // The third vertex of the point's triangle, and one more vertex beyond
    // the triangle's nearest edge, which can still reach the point.
    std::int64_t xsv_ext;
    std::int64_t ysv_ext;
    double dx_ext;
    double dy_ext;
    if (in_sum <= 1) {
        double zins = 1 - in_sum;
        if (zins > xins || zins > yins) {
            if (xins > yins) {
                xsv_ext = xsb + 1;
                ysv_ext = ysb - 1;
                dx_ext = dx0 - 1;
                dy_ext = dy0 + 1;
            } else {
                xsv_ext = xsb - 1;
                ysv_ext = ysb + 1;
                dx_ext = dx0 + 1;
                dy_ext = dy0 - 1;
            }
        } else {
            xsv_ext = xsb + 1;
            ysv_ext = ysb + 1;
            dx_ext = dx0 - 1 - 2 * SQUISH;
            dy_ext = dy0 - 1 - 2 * SQUISH;
        }
    } else {
        double zins = 2 - in_sum;
        if (zins < xins || zins < yins) {
            if (xins > yins) {
                xsv_ext = xsb + 2;
                ysv_ext = ysb;
                dx_ext = dx0 - 2 - 2 * SQUISH;
                dy_ext = dy0 - 2 * SQUISH;
            } else {
                xsv_ext = xsb;
                ysv_ext = ysb + 2;
                dx_ext = dx0 - 2 * SQUISH;
                dy_ext = dy0 - 2 - 2 * SQUISH;
            }
        } else {
            xsv_ext = xsb;
            ysv_ext = ysb;
            dx_ext = dx0;
            dy_ext = dy0;
        }
        // The triangle's third vertex is (1, 1) here instead of (0, 0).
        xsb += 1;
        ysb += 1;
        dx0 = dx0 - 1 - 2 * SQUISH;
        dy0 = dy0 - 1 - 2 * SQUISH;
    }

    if (double a = falloff(dx0, dy0); a > 0) value += a * extrapolate(xsb, ysb, dx0, dy0);
    if (double a = falloff(dx_ext, dy_ext); a > 0) value += a * extrapolate(xsv_ext, ysv_ext, dx_ext, dy_ext);

    return value / NORM;
}

}  // namespace kimbly::noise
