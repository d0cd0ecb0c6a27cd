#pragma once
// A player's view written straight from the game state: byte for byte what
// writing the built view gives, without first copying every entity it sees.
#include <type_traits>
#include <vector>

#include <pakko/binary.hpp>
#include <pakko/describe.hpp>

#include "velmora/model/model.hpp"
#include "velmora/model/player_view.hpp"

namespace velmora::model {

// The fields go in the view's own order; only the entity list, which the
// view leaves empty, is written from the state.
template <class W>
void write_player_view(W& writer, const Model& model, usize player_index) {
    const Player& player = viewer_with_index(model, player_index);
    thread_local std::vector<SeenEntity> seen;
    const PlayerView view = player_view_without_entities(model, player, seen);
    pakko::for_each_field<PlayerView>([&](const auto& field) {
        using Value = typename std::remove_cvref_t<decltype(field)>::value_type;
        if constexpr (std::is_same_v<Value, std::vector<Entity>>) {
            pakko::write(writer, static_cast<usize>(seen.size()));
            for (const SeenEntity& entity : seen) {
                const Entity in_frame = entity_in_frame(entity, player.index, model.map_size);
                // A writer that can check room once per entity is asked to.
                if constexpr (requires { writer.write_value(in_frame); }) {
                    writer.write_value(in_frame);
                } else {
                    pakko::write(writer, in_frame);
                }
            }
        } else {
            pakko::write(writer, field.get(view));
        }
    });
}

}  // namespace velmora::model
