#include "velmora/renderer/hud.hpp"

#include <fmt/format.h>
#include <kimbly/panic.hpp>

#include "velmora/renderer/player_colors.hpp"

namespace velmora::renderer::hud {

namespace {

constexpr float LINE_HEIGHT = 20;
constexpr float BAND_MARGIN = 10;
// Between the middle of the window and each column's edge.
constexpr float GAP = 10;

const model::Player& player_with_index(const model::Model& game, std::size_t index) {
    for (const model::Player& player : game.players.iter()) {
        if (player.index == index) return player;
    }
    kimbly::panic(fmt::format("No player with index {} in the shown game", index));
}

kimbly::ColorF32 lightened(kimbly::ColorF32 color) {
    return {(color.r + 1) / 2, (color.g + 1) / 2, (color.b + 1) / 2, color.a};
}

}  // namespace

std::string label(std::size_t index, const std::vector<std::string>& player_names) {
    if (index < player_names.size()) return fmt::format("{}. {}:", index + 1, player_names[index]);
    return fmt::format("Player {}:", index + 1);
}

std::string stats(const model::Model& game, const model::Player& player) {
    model::usize provided = 0, builders = 0, melee = 0, ranged = 0;
    const auto& table = game.entity_properties.value;
    for (const model::Entity& entity : game.entities.iter()) {
        if (entity.player_id != player.id) continue;
        auto properties = table.find(entity.entity_type);
        if (properties == table.end()) kimbly::panic("An entity type of the shown game has no properties");
        if (entity.active) provided += properties->second.population_provide;
        switch (entity.entity_type) {
            case model::EntityType::BuilderUnit: builders += properties->second.population_use; break;
            case model::EntityType::MeleeUnit: melee += properties->second.population_use; break;
            case model::EntityType::RangedUnit: ranged += properties->second.population_use; break;
            default: break;
        }
    }
    return fmt::format("resource = {}, population = {}/{} ({} b, {} m, {} r), score = {}", player.resource,
                       builders + melee + ranged, provided, builders, melee, ranged, player.score);
}

Hud layout(const model::Model& game, const std::vector<std::string>& player_names,
           kimbly::Vec2Usize framebuffer_size) {
    const float width = float(framebuffer_size.x), height = float(framebuffer_size.y);
    const std::size_t count = game.players.by_id.size();
    Hud hud{{0, width, height - BAND_MARGIN - LINE_HEIGHT * float(count), height}, {}};
    for (std::size_t i = 0; i < count; ++i) {
        const model::Player& player = player_with_index(game, i);
        const float y = height - LINE_HEIGHT - LINE_HEIGHT * float(i);
        hud.lines.push_back({label(i, player_names), {width / 2 - GAP, y}, stats(game, player),
                             {width / 2 + GAP, y}, lightened(player_color(i))});
    }
    return hud;
}

}  // namespace velmora::renderer::hud
