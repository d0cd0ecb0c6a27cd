#include "velmora/renderer/view_lookup.hpp"

#include <string>

#include "velmora/renderer/player_colors.hpp"

namespace velmora::renderer {

const model::EntityProperties* find_properties(const model::Model& state, model::EntityType type,
                                               BrokenDataLog& log) {
    const auto& table = state.entity_properties.value;
    const auto found = table.find(type);
    if (found != table.end()) return &found->second;
    log.report(BrokenData::MissingType,
               "The game has no properties for entity type " + std::string(model::entity_type_name(type)));
    return nullptr;
}

std::optional<kimbly::ColorF32> owner_color(const model::Model& state, std::optional<model::usize> owner,
                                            BrokenDataLog& log) {
    if (!owner) return UNOWNED_COLOR;
    const model::Player* player = state.players.get(*owner);
    if (player != nullptr) return player_color(player->index);
    log.report(BrokenData::MissingOwner, "Entity owner " + std::to_string(*owner) + " is not a player of the game");
    return std::nullopt;
}

kimbly::ColorF32 lightened(kimbly::ColorF32 color) {
    return {(color.r + 1.0f) / 2.0f, (color.g + 1.0f) / 2.0f, (color.b + 1.0f) / 2.0f, color.a};
}

EntitySquare entity_square(const model::Entity& entity, const model::EntityProperties& properties) {
    return {{static_cast<float>(entity.position.x), static_cast<float>(entity.position.y)},
            static_cast<float>(properties.size)};
}

}  // namespace velmora::renderer
