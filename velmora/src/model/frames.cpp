#include "velmora/model/frames.hpp"

#include <algorithm>
#include <string>

#include <kimbly/panic.hpp>

#include "velmora/model/model.hpp"

namespace velmora::model {

kimbly::Vec2Usize convert_position(usize player_index, kimbly::Vec2Usize position, usize size, usize map_size,
                                   FrameDirection direction) {
    // Unsigned arithmetic on purpose: a position past the far edge wraps and
    // is then caught by the cap below instead of turning negative.
    const usize x = position.x;
    const usize y = position.y;
    const usize m = map_size;
    const bool to_game = direction == FrameDirection::ToGame;
    kimbly::Vec2Usize result;
    switch (player_index) {
        case 0:
            result = {x, y};
            break;
        case 1:
            result = {m - x - size, m - y - size};
            break;
        case 2:
            result = to_game ? kimbly::Vec2Usize{m - y - size, x} : kimbly::Vec2Usize{y, m - x - size};
            break;
        case 3:
            result = to_game ? kimbly::Vec2Usize{y, m - x - size} : kimbly::Vec2Usize{m - y - size, x};
            break;
        default:
            kimbly::panic("player index " + std::to_string(player_index) + " has no coordinate frame");
    }
    result.x = std::min(result.x, MAX_CONVERTED_COORDINATE);
    result.y = std::min(result.y, MAX_CONVERTED_COORDINATE);
    return result;
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
