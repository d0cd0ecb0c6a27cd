#include "velmora/model/model.hpp"

using velmora::model::Model;
using velmora::model::ModelDelta;

ModelDelta kimbly::Diff<Model>::diff(const Model& earlier, const Model& later) {
    ModelDelta delta;
    delta.entity_properties = kimbly::diff(earlier.entity_properties, later.entity_properties);
    delta.next_id = later.next_id;
    delta.map_size = later.map_size;
    delta.fog_of_war = later.fog_of_war;
    delta.max_tick_count = later.max_tick_count;
    delta.max_pathfind_nodes = later.max_pathfind_nodes;
    delta.current_tick = later.current_tick;
    delta.passive_income = later.passive_income;
    delta.players = kimbly::diff(earlier.players, later.players);
    delta.entities = kimbly::diff(earlier.entities, later.entities);
    delta.entity_actions = kimbly::diff(earlier.entity_actions, later.entity_actions);
    return delta;
}

void kimbly::Diff<Model>::update(Model& value, const ModelDelta& delta) {
    value.next_id = delta.next_id;
    value.map_size = delta.map_size;
    value.fog_of_war = delta.fog_of_war;
    value.max_tick_count = delta.max_tick_count;
    value.max_pathfind_nodes = delta.max_pathfind_nodes;
    value.current_tick = delta.current_tick;
    value.passive_income = delta.passive_income;
    kimbly::update(value.players, delta.players);
    kimbly::update(value.entities, delta.entities);
    kimbly::update(value.entity_actions, delta.entity_actions);
}
