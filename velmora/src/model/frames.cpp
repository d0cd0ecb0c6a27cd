#include "velmora/model/frames.hpp"

#include <string>

#include <kimbly/panic.hpp>

#include "velmora/model/model.hpp"

namespace velmora::model {

void no_frame(usize player_index) {
    kimbly::panic("player index " + std::to_string(player_index) + " has no coordinate frame");
}

void convert_action(const Model& model, Action& action, usize player_index) {
    const auto& table = model.entity_properties.value;
    for (auto& [entity_id, entity_action] : action.entity_actions) {
        if (entity_action.move_action) {
            auto& target = entity_action.move_action->target;
            target = convert_position(player_index, target, 1, model.map_size, FrameDirection::ToGame);
        }
        if (entity_action.build_action) {
            auto& build = *entity_action.build_action;
            usize size = table.at(build.entity_type).size;
            build.position = convert_position(player_index, build.position, size, model.map_size,
                                              FrameDirection::ToGame);
        }
    }
}

}  // namespace velmora::model
