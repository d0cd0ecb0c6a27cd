#include "velmora/renderer/fog.hpp"

namespace velmora::renderer::fog {

const model::Player* seeing_player(const model::Model& state, std::optional<std::size_t> player_filter) {
    if (!player_filter) return nullptr;
    for (const model::Player& player : state.players.iter()) {
        if (player.index == *player_filter) return &player;
    }
    return nullptr;
}

model::SightGrid visible_cells(const model::Model& state, std::optional<std::size_t> player_filter) {
    return model::sight_range_map(state, seeing_player(state, player_filter));
}

std::vector<Square> fog_squares(const model::SightGrid& sight) {
    std::vector<Square> squares;
    for (model::usize x = 0; x < sight.map_size; ++x) {
        for (model::usize y = 0; y < sight.map_size; ++y) {
            if (sight.visible(x, y)) continue;
            squares.push_back({{static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f}, {0.5f, 0.5f}, FOG_COLOR});
        }
    }
    return squares;
}

std::vector<std::uint8_t> fog_texels(const model::SightGrid& sight) {
    const model::usize side = sight.map_size + 2;
    std::vector<std::uint8_t> texels;
    for (model::usize j = 0; j < side; ++j) {
        for (model::usize i = 0; i < side; ++i) {
            const bool border = i == 0 || j == 0 || i == side - 1 || j == side - 1;
            const bool fogged = border || !sight.visible(i - 1, j - 1);
            texels.insert(texels.end(), {255, 255, 255, static_cast<std::uint8_t>(fogged ? 255 : 0)});
        }
    }
    return texels;
}

}  // namespace velmora::renderer::fog
