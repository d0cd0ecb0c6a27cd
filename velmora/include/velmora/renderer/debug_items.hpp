#pragma once
// What the players' debug data puts on the screen in one frame, worked out
// without the GL: log lines down a column at the left, lines and triangles,
// and texts placed on the map, every world point turned from the sending
// player's frame into the game frame and then into window pixels.
//
// The data comes from player programs and is not trusted: a primitive list
// is cut down to whole lines or triangles, and a placed text whose size,
// alignment or position is not finite, or is beyond any screen, is left out.
// Texts are cut to a line's worth when they arrive, and a frame shapes no
// more text than its window can hold.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <variant>
#include <vector>

#include <kimbly/color.hpp>
#include <kimbly/vec2.hpp>
#include <tarnwick/app/history/debug_data.hpp>

#include "velmora/camera.hpp"
#include "velmora/model/debug.hpp"

namespace velmora::renderer::debug {

using DebugDataMap = tarnwick::app::history::DebugDataMap<model::DebugData>;

inline constexpr float LOG_X = 50;
inline constexpr float LOG_TEXT_SIZE = 16;
inline constexpr kimbly::ColorF32 LOG_COLOR{1, 1, 1, 1};
// A placed text larger than this would cover any screen many times over.
inline constexpr float MAX_TEXT_SIZE = 4096;
// Beyond 2^24 a float no longer holds every whole pixel.
inline constexpr float MAX_TEXT_COORDINATE = 16777216.0f;
// More than a line of the widest screen holds, even at the smallest size
// that can be read.
inline constexpr std::size_t MAX_TEXT_BYTES = 4096;
// The smallest text that can be read; a window of w x h pixels holds no more
// than (w / MIN_GLYPH_PIXELS) * (h / MIN_GLYPH_PIXELS) characters.
inline constexpr std::uint64_t MIN_GLYPH_PIXELS = 4;

struct ScreenVertex {
    kimbly::Vec2F32 position;
    kimbly::ColorF32 color;
};

struct LogLine {
    std::string_view text;
    kimbly::Vec2F32 position;
};
// Never empty, and always whole primitives.
struct Shape {
    std::vector<ScreenVertex> vertices;
    model::PrimitiveType type;
};
struct Label {
    std::string_view text;
    kimbly::Vec2F32 position;
    float alignment;
    float size;
    kimbly::ColorF32 color;
};
// The texts point into the maps the items were made from.
using Item = std::variant<LogLine, Shape, Label>;

// How the shown game is seen this frame.
struct View {
    float map_size;
    camera::Camera camera;
    kimbly::Vec2Usize framebuffer_size;
};

// The vertex's window pixel: its world point, from player `player_index`'s
// frame, seen through the camera, or the pixel (0, 0) without one; then
// moved by its screen offset.
kimbly::Vec2F32 convert_position(std::size_t player_index, const View& view, const model::ColoredVertex& vertex);

// The length of the longest start of `text` of at most `max_bytes` bytes
// that ends at a boundary of UTF-8 characters.
std::size_t utf8_prefix_length(std::string_view text, std::size_t max_bytes);

// Cuts a received item's text to MAX_TEXT_BYTES.
void fit_to_screen(model::DebugData& data);

// How many bytes of text a frame of this size shapes at most.
std::uint64_t frame_text_budget(kimbly::Vec2Usize framebuffer_size);

// The largest count up to `count` that makes whole primitives of `type`.
std::size_t whole_primitive_count(std::size_t count, model::PrimitiveType type);

// Whether a placed text of this size and alignment at `position` can be drawn.
bool placeable(float size, float alignment, kimbly::Vec2F32 position);

// The k-th log line of the frame, counted from 0, in a framebuffer `height`
// pixels high.
kimbly::Vec2F32 log_position(std::size_t k, std::uint64_t height);

// Every shown item of the current map, then of the debug-update map, each
// map in its own order of players and each player's items in order; log
// lines below the window are left out, and texts past the frame's budget are
// cut or left out.
std::vector<Item> frame_items(const DebugDataMap& current, const DebugDataMap& debug_update, const View& view);

}  // namespace velmora::renderer::debug
