#pragma once
// The whole state of one game, its delta between two ticks and the events of
// a tick. The rules (creation, views, turns) live in their own headers and
// work on this plain record.
#include <variant>

#include <kimbly/diff.hpp>
#include <pakko/describe.hpp>

#include "velmora/model/action.hpp"
#include "velmora/model/collection.hpp"
#include "velmora/model/const.hpp"
#include "velmora/model/entity.hpp"
#include "velmora/model/entity_properties.hpp"

namespace velmora::model {

// The game-state player (the view has its own player record).
struct Player {
    usize id = 0;
    usize index = 0;
    usize score = 0;
    usize resource = 0;

    bool operator==(const Player&) const = default;
};

constexpr auto pakko_describe(pakko::Tag<Player>) {
    using pakko::field;
    return pakko::record<Player>("Player", pakko::no_doc(), field("id", &Player::id), field("index", &Player::index),
                                 field("score", &Player::score), field("resource", &Player::resource));
}

constexpr kimbly::DeltaKind kimbly_delta(pakko::Tag<Player>) { return kimbly::DeltaKind::FullCopy; }
constexpr usize record_id(const Player& player) { return player.id; }
using PlayerDelta = kimbly::Diff<Player>::Delta;

// An entity's standing order: in force until its player sends a new one.
struct StoredAction {
    usize entity_id = 0;
    EntityAction action;

    bool operator==(const StoredAction&) const = default;
};

constexpr auto pakko_describe(pakko::Tag<StoredAction>) {
    using pakko::field;
    return pakko::record<StoredAction>("StoredAction", pakko::no_doc(), field("entity_id", &StoredAction::entity_id),
                                       field("action", &StoredAction::action));
}

constexpr kimbly::DeltaKind kimbly_delta(pakko::Tag<StoredAction>) { return kimbly::DeltaKind::FullCopy; }
constexpr usize record_id(const StoredAction& stored) { return stored.entity_id; }
using StoredActionDelta = kimbly::Diff<StoredAction>::Delta;

struct Model {
    usize next_id = 0;
    usize map_size = 0;
    bool fog_of_war = false;
    Const<EntityPropertiesTable> entity_properties;
    usize max_tick_count = 0;
    usize max_pathfind_nodes = 0;
    usize current_tick = 0;
    usize passive_income = 0;
    Collection<Player> players;
    Collection<Entity> entities;
    Collection<StoredAction> entity_actions;

    bool operator==(const Model&) const = default;
};

constexpr auto pakko_describe(pakko::Tag<Model>) {
    using pakko::field;
    return pakko::record<Model>(
        "Model", pakko::no_doc(), field("next_id", &Model::next_id), field("map_size", &Model::map_size),
        field("fog_of_war", &Model::fog_of_war), field("entity_properties", &Model::entity_properties),
        field("max_tick_count", &Model::max_tick_count), field("max_pathfind_nodes", &Model::max_pathfind_nodes),
        field("current_tick", &Model::current_tick), field("passive_income", &Model::passive_income),
        field("players", &Model::players), field("entities", &Model::entities),
        field("entity_actions", &Model::entity_actions));
}

// Fixed fields are copied, the constant table leaves an empty slot and each
// collection keeps only its changes.
constexpr kimbly::DeltaKind kimbly_delta(pakko::Tag<Model>) { return kimbly::DeltaKind::FieldByField; }
using ModelDelta = kimbly::Diff<Model>::Delta;

struct Attack {
    usize attacker_id = 0;
    usize target_id = 0;

    bool operator==(const Attack&) const = default;
};

constexpr auto pakko_describe(pakko::Tag<Attack>) {
    return pakko::record<Attack>("Attack", pakko::no_doc(), pakko::field("attacker_id", &Attack::attacker_id),
                                 pakko::field("target_id", &Attack::target_id));
}

// What happened during a tick, in the order it happened.
struct Event {
    std::variant<Attack> value;

    bool operator==(const Event&) const = default;
};

constexpr auto pakko_describe(pakko::Tag<Event>) {
    return pakko::one_of<Event>("Event", pakko::no_doc(), &Event::value);
}

}  // namespace velmora::model
