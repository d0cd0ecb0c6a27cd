#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <kimbly/color.hpp>
#include <kimbly/rng.hpp>

#include "velmora/keyboard_player.hpp"
#include "velmora/keyboard_player_geometry.hpp"
#include "velmora/model/collection.hpp"

namespace velmora::keyboard_player {

namespace {

using kimbly::ColorF32;
using kimbly::Vec2F32;
using kimbly::Vec2Usize;
using model::DebugData;
using model::Entity;
using model::EntityType;
using model::PlayerView;

// A press and release closer than this many window pixels is a click.
constexpr float CLICK_DISTANCE = 5.0f;

constexpr ColorF32 YELLOW{1, 1, 0, 1};
constexpr ColorF32 RED{1, 0, 0, 1};
constexpr ColorF32 WHITE{1, 1, 1, 1};

struct MenuEntry {
    std::string_view key;
    EntityType type;
    std::string_view help;
};

constexpr std::array<MenuEntry, 6> MENU{{
    {"B", EntityType::BuilderBase, "B to build BuilderBase"},
    {"M", EntityType::MeleeBase, "M to build MeleeBase"},
    {"R", EntityType::RangedBase, "R to build RangedBase"},
    {"H", EntityType::House, "H to build House"},
    {"W", EntityType::Wall, "W to build Wall"},
    {"T", EntityType::Turret, "T to build Turret"},
}};

bool contains(const std::vector<std::string>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool can_build(const Entity& entity, const PlayerView& view, EntityType type) {
    const auto& build = view.entity_properties.at(entity.entity_type).build;
    return build && std::find(build->options.begin(), build->options.end(), type) != build->options.end();
}

bool covers(const Entity& entity, const PlayerView& view, Vec2Usize cell) {
    usize size = view.entity_properties.at(entity.entity_type).size;
    return entity.position.x <= cell.x && cell.x < entity.position.x + size && entity.position.y <= cell.y &&
           cell.y < entity.position.y + size;
}

void send(const DebugInterface& debug, DebugData data) {
    debug.send(DebugCommand{tarnwick::debug::Add<DebugData>{std::move(data)}});
}

void send_outline(const DebugInterface& debug, const Outline& outline, ColorF32 color) {
    DebugData::Primitives lines{{}, model::PrimitiveType::Lines};
    for (std::size_t i = 0; i + 1 < outline.size(); ++i) {
        for (Vec2F32 point : {outline[i], outline[i + 1]}) {
            lines.vertices.push_back(model::ColoredVertex{point, {0.0f, 0.0f}, color});
        }
    }
    send(debug, DebugData{std::move(lines)});
}

Outline cell_outline(Vec2Usize corner, usize size) {
    return square_outline({static_cast<float>(corner.x), static_cast<float>(corner.y)}, static_cast<float>(size));
}

struct Placement {
    Vec2Usize corner;
    usize size = 0;
};

}  // namespace

void KeyboardPlayer::debug_update(const PlayerView& view, const DebugInterface& debug) {
    debug.send(DebugCommand{tarnwick::debug::SetAutoFlush{false}});

    auto entities = model::Collection<Entity>::from_iter(view.entities);
    std::erase_if(selection_, [&](usize id) { return entities.get(id) == nullptr; });

    const model::DebugState state = debug.get_state();
    const bool shift = contains(state.pressed_keys, "LShift");
    std::vector<std::string> new_keys;
    for (const auto& key : state.pressed_keys) {
        if (!last_state_ || !contains(last_state_->pressed_keys, key)) new_keys.push_back(key);
    }
    last_state_ = state;

    const Outline quad = selection_quad(state, drag_start_, view.map_size);
    const auto cell = cursor_cell(state.mouse_pos_world, view.map_size);

    std::optional<Placement> placement;
    if (build_mode_.kind == BuildMode::Kind::Placing && cell) {
        usize size = view.entity_properties.at(build_mode_.entity_type).size;
        if (auto corner = placement_corner(*cell, size, view.map_size, state.player_index)) {
            placement = Placement{*corner, size};
        }
    }

    std::map<usize, std::vector<HighLevelAction>> new_orders;
    const Vec2F32 cursor = state.mouse_pos_window;

    // Left button: drags select, a held button while placing gives build orders.
    if (contains(state.pressed_keys, "MouseLeft")) {
        if (build_mode_.kind != BuildMode::Kind::Placing) {
            build_mode_ = BuildMode::normal();
            if (!drag_start_) drag_start_ = cursor;
        } else {
            const EntityType type = build_mode_.entity_type;
            if (!shift) build_mode_ = BuildMode::normal();
            if (placement) {
                for (usize id : selection_) {
                    if (can_build(*entities.get(id), view, type)) {
                        new_orders[id].push_back(HighLevelAction{HighLevelAction::Build{type, placement->corner}});
                    }
                }
            }
        }
    } else if (drag_start_) {
        const float distance = (cursor - *drag_start_).length();
        drag_start_.reset();
        if (!shift) selection_.clear();
        for (const auto& entity : entities.iter()) {
            if (entity.player_id != player_id_ || !overlap(entity_outline(entity, view.entity_properties), quad)) {
                continue;
            }
            if (shift && distance < CLICK_DISTANCE) {
                selection_.erase(entity.id);
            } else {
                selection_.insert(entity.id);
            }
        }
    }

    // Right button: a click gives orders, or closes the menu.
    const bool ctrl = contains(state.pressed_keys, "LCtrl");
    if (contains(state.pressed_keys, "MouseRight")) {
        if (!right_press_) right_press_ = cursor;
    } else if (right_press_) {
        const Vec2F32 press = *right_press_;
        right_press_.reset();
        if ((cursor - press).length() < CLICK_DISTANCE) {
            if (build_mode_.kind != BuildMode::Kind::Normal) {
                build_mode_ = BuildMode::normal();
            } else if (cell) {
                const Entity* under = nullptr;
                for (const auto& entity : entities.iter()) {
                    if (covers(entity, view, *cell)) {
                        under = &entity;
                        break;
                    }
                }
                for (usize id : selection_) {
                    const Entity& unit = *entities.get(id);
                    HighLevelAction order;
                    if (under == nullptr) {
                        order.value = HighLevelAction::Move{*cell, ctrl};
                    } else if (ctrl || under->player_id != unit.player_id) {
                        order.value = HighLevelAction::Attack{under->id, under->entity_type};
                    } else {
                        order.value = HighLevelAction::Repair{under->id};
                    }
                    new_orders[id].push_back(std::move(order));
                }
            }
        }
    }

    // Newly pressed names, buttons and modifiers included.
    for (const auto& key : new_keys) {
        if (build_mode_.kind == BuildMode::Kind::Normal) {
            if (key == "B") {
                build_mode_ = BuildMode::menu();
            } else if (key == "R" && cell) {
                for (usize id : selection_) {
                    const auto& build = view.entity_properties.at(entities.get(id)->entity_type).build;
                    if (!build || build->options.empty()) continue;
                    EntityType type = build->options[kimbly::rng::choose_index(kimbly::rng::global_rng(),
                                                                               build->options.size())];
                    new_orders[id].push_back(HighLevelAction{HighLevelAction::Build{type, *cell}});
                }
            }
        } else {
            auto entry = std::find_if(MENU.begin(), MENU.end(), [&](const MenuEntry& e) { return e.key == key; });
            build_mode_ = entry == MENU.end() ? BuildMode::normal() : BuildMode::placing(entry->type);
        }
    }

    for (auto& [id, list] : new_orders) {
        auto& queue = orders_[id];
        if (!shift) queue.clear();
        queue.insert(queue.end(), list.begin(), list.end());
    }

    debug.send(DebugCommand{tarnwick::debug::Clear{}});
    switch (build_mode_.kind) {
        case BuildMode::Kind::Normal:
            send(debug, DebugData{DebugData::Log{"Press B to build"}});
            break;
        case BuildMode::Kind::Menu:
            for (const auto& entry : MENU) send(debug, DebugData{DebugData::Log{std::string(entry.help)}});
            break;
        case BuildMode::Kind::Placing:
            send(debug, DebugData{DebugData::Log{"Select position to build and press LMB"}});
            break;
    }
    if (drag_start_) {
        send_outline(debug, quad, YELLOW);
    } else if (placement) {
        send_outline(debug, cell_outline(placement->corner, placement->size), RED);
    } else if (cell) {
        send_outline(debug, cell_outline(*cell, 1), WHITE);
    }
    for (usize id : selection_) {
        if (const Entity* entity = entities.get(id)) {
            send_outline(debug, entity_outline(*entity, view.entity_properties), WHITE);
        }
    }
    if (drag_start_) {
        for (const auto& entity : view.entities) {
            if (entity.player_id == player_id_ && overlap(entity_outline(entity, view.entity_properties), quad)) {
                send_outline(debug, entity_outline(entity, view.entity_properties), YELLOW);
            }
        }
    }
    debug.send(DebugCommand{tarnwick::debug::Flush{}});
}

}  // namespace velmora::keyboard_player
