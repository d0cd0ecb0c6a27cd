#include "velmora/renderer/debug_items.hpp"

#include <cmath>
#include <optional>
#include <string>

#include "velmora/renderer/debug_frame.hpp"

namespace velmora::renderer::debug {

namespace {

bool within(float value, float bound) { return std::isfinite(value) && std::fabs(value) <= bound; }

}  // namespace

kimbly::Vec2F32 convert_position(std::size_t player_index, const View& view, const model::ColoredVertex& vertex) {
    kimbly::Vec2F32 pixel{0, 0};
    if (vertex.world_pos) {
        const auto game_point = to_game_frame(player_index, view.map_size, *vertex.world_pos);
        pixel = view.camera.world_to_screen(view.framebuffer_size, game_point);
    }
    return {pixel.x + vertex.screen_offset.x, pixel.y + vertex.screen_offset.y};
}

std::size_t whole_primitive_count(std::size_t count, model::PrimitiveType type) {
    const std::size_t per_primitive = type == model::PrimitiveType::Lines ? 2 : 3;
    return count - count % per_primitive;
}

bool placeable(float size, float alignment, kimbly::Vec2F32 position) {
    return within(size, MAX_TEXT_SIZE) && size > 0 && std::isfinite(alignment) &&
           within(position.x, MAX_TEXT_COORDINATE) && within(position.y, MAX_TEXT_COORDINATE);
}

std::size_t utf8_prefix_length(std::string_view text, std::size_t max_bytes) {
    if (text.size() <= max_bytes) return text.size();
    std::size_t length = max_bytes;
    // Continuation bytes are 10xxxxxx; the cut goes before the character they belong to.
    while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) --length;
    return length;
}

namespace {

void cut_text(std::string& text) { text.resize(utf8_prefix_length(text, MAX_TEXT_BYTES)); }

}  // namespace

void fit_to_screen(model::DebugData& data) {
    if (auto* log = std::get_if<model::DebugData::Log>(&data.value)) cut_text(log->text);
    if (auto* placed = std::get_if<model::DebugData::PlacedText>(&data.value)) cut_text(placed->text);
}

std::uint64_t frame_text_budget(kimbly::Vec2Usize framebuffer_size) {
    return (framebuffer_size.x / MIN_GLYPH_PIXELS) * (framebuffer_size.y / MIN_GLYPH_PIXELS);
}

kimbly::Vec2F32 log_position(std::size_t k, std::uint64_t height) {
    return {LOG_X, float(height) - LOG_TEXT_SIZE - LOG_TEXT_SIZE * float(k)};
}

namespace {

// Turns one player's items into what they draw; the log lines run on across
// players and maps.
struct Collector {
    void operator()(const model::DebugData::Log& log) {
        const auto position = log_position(logs++, view.framebuffer_size.y);
        if (position.y < -LOG_TEXT_SIZE) return;
        if (auto text = take_text(log.text)) items.push_back(LogLine{*text, position});
    }
    void operator()(const model::DebugData::Primitives& primitives) {
        const auto count = whole_primitive_count(primitives.vertices.size(), primitives.primitive_type);
        if (count == 0) return;
        Shape shape{{}, primitives.primitive_type};
        for (std::size_t i = 0; i < count; ++i) {
            const auto& vertex = primitives.vertices[i];
            shape.vertices.push_back({convert_position(player_index, view, vertex), vertex.color});
        }
        items.push_back(std::move(shape));
    }
    void operator()(const model::DebugData::PlacedText& text) {
        const auto position = convert_position(player_index, view, text.vertex);
        if (!placeable(text.size, text.alignment, position)) return;
        if (auto shown = take_text(text.text)) {
            items.push_back(Label{*shown, position, text.alignment, text.size, text.vertex.color});
        }
    }

    // What of `text` still fits the frame's budget; none once it is spent.
    std::optional<std::string_view> take_text(std::string_view text) {
        if (!text.empty() && text_budget == 0) return std::nullopt;
        const std::size_t length = utf8_prefix_length(text, text_budget);
        text_budget -= length;
        return text.substr(0, length);
    }

    const View& view;
    std::vector<Item> items;
    std::uint64_t text_budget;
    std::size_t logs = 0;
    std::size_t player_index = 0;
};

}  // namespace

std::vector<Item> frame_items(const DebugDataMap& current, const DebugDataMap& debug_update, const View& view) {
    Collector collector{view, {}, frame_text_budget(view.framebuffer_size)};
    for (const DebugDataMap* map : {&current, &debug_update}) {
        for (const auto& [player_index, data] : *map) {
            collector.player_index = player_index;
            for (const model::DebugData& item : data.shown) std::visit(collector, item.value);
        }
    }
    return std::move(collector.items);
}

}  // namespace velmora::renderer::debug
