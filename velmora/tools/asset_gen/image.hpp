#pragma once
// Pictures drawn by the asset generator: RGBA in floats while drawing, 8-bit
// PNG on disk. Row 0 is the top of the picture, as PNG stores it.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace asset_gen {

struct Rgba {
    float r = 0, g = 0, b = 0, a = 0;
};

Rgba mix(Rgba from, Rgba to, float amount);
Rgba with_alpha(Rgba colour, float alpha);

class Image {
public:
    Image(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    Rgba& at(int x, int y) { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }

    // Every pixel from `shade` at its centre, in coordinates that run from
    // -1 to 1 across the picture, y up.
    void fill(const std::function<Rgba(float x, float y)>& shade);
    // Like fill, averaging `samples` × `samples` points a pixel, for edges
    // without steps.
    void fill_smooth(int samples, const std::function<Rgba(float x, float y)>& shade);

    // Writes an 8-bit RGBA PNG; false when the file could not be written.
    bool save_png(const std::string& path) const;

private:
    int width_;
    int height_;
    std::vector<Rgba> pixels_;
};

// Smooth step of x from edge0 to edge1.
float smoothstep(float edge0, float edge1, float x);

// Deterministic value noise in 0..1 with smooth interpolation, summed over
// `octaves` octaves.
float value_noise(float x, float y, int octaves, unsigned seed);

}  // namespace asset_gen
