#include "image.hpp"

#include <algorithm>
#include <cmath>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

namespace asset_gen {

Rgba mix(Rgba from, Rgba to, float amount) {
    auto lerp = [amount](float a, float b) { return a + (b - a) * amount; };
    return {lerp(from.r, to.r), lerp(from.g, to.g), lerp(from.b, to.b), lerp(from.a, to.a)};
}

Rgba with_alpha(Rgba colour, float alpha) {
    colour.a = alpha;
    return colour;
}

Image::Image(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height)) {}

void Image::fill(const std::function<Rgba(float x, float y)>& shade) { fill_smooth(1, shade); }

void Image::fill_smooth(int samples, const std::function<Rgba(float x, float y)>& shade) {
    for (int py = 0; py < height_; ++py) {
        for (int px = 0; px < width_; ++px) {
            Rgba sum;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    float x = (static_cast<float>(px) + (static_cast<float>(sx) + 0.5f) / static_cast<float>(samples)) /
                                  static_cast<float>(width_) * 2.0f - 1.0f;
                    float y = 1.0f - (static_cast<float>(py) + (static_cast<float>(sy) + 0.5f) / static_cast<float>(samples)) /
                                         static_cast<float>(height_) * 2.0f;
                    Rgba c = shade(x, y);
                    // Colours are averaged by their coverage, so that an
                    // edge fades in alpha without darkening.
                    sum.r += c.r * c.a;
                    sum.g += c.g * c.a;
                    sum.b += c.b * c.a;
                    sum.a += c.a;
                }
            }
            Rgba& out = at(px, py);
            out = sum.a > 0 ? Rgba{sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, sum.a / static_cast<float>(samples * samples)}
                            : Rgba{1, 1, 1, 0};
        }
    }
}

bool Image::save_png(const std::string& path) const {
    std::vector<unsigned char> bytes;
    bytes.reserve(pixels_.size() * 4);
    auto byte = [](float v) { return static_cast<unsigned char>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); };
    for (const Rgba& p : pixels_) {
        bytes.push_back(byte(p.r));
        bytes.push_back(byte(p.g));
        bytes.push_back(byte(p.b));
        bytes.push_back(byte(p.a));
    }
    return stbi_write_png(path.c_str(), width_, height_, 4, bytes.data(), width_ * 4) != 0;
}

float smoothstep(float edge0, float edge1, float x) {
    float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

namespace {

float lattice(int x, int y, unsigned seed) {
    auto h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return static_cast<float>(h & 0xffffu) / 65535.0f;
}

float smooth_noise(float x, float y, unsigned seed) {
    float fx = std::floor(x);
    float fy = std::floor(y);
    int ix = static_cast<int>(fx);
    int iy = static_cast<int>(fy);
    float tx = smoothstep(0, 1, x - fx);
    float ty = smoothstep(0, 1, y - fy);
    float top = lattice(ix, iy, seed) + (lattice(ix + 1, iy, seed) - lattice(ix, iy, seed)) * tx;
    float bottom = lattice(ix, iy + 1, seed) + (lattice(ix + 1, iy + 1, seed) - lattice(ix, iy + 1, seed)) * tx;
    return top + (bottom - top) * ty;
}

}  // namespace

float value_noise(float x, float y, int octaves, unsigned seed) {
    float sum = 0;
    float weight = 0;
    float amplitude = 1;
    for (int i = 0; i < octaves; ++i) {
        sum += smooth_noise(x, y, seed + static_cast<unsigned>(i)) * amplitude;
        weight += amplitude;
        x *= 2;
        y *= 2;
        amplitude *= 0.5f;
    }
    return sum / weight;
}

}  // namespace asset_gen
