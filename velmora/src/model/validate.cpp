#include "velmora/model/validate.hpp"

#include <set>
#include <string>
#include <vector>

#include <pakko/pakko.hpp>

#include "velmora/model/default_properties.hpp"
#include "velmora/model/frames.hpp"

namespace velmora::model {

namespace {

[[noreturn]] void reject(const std::string& message) { throw InvalidState(message); }

std::string num(usize value) { return std::to_string(value); }
std::string name(EntityType type) { return std::string(entity_type_name(type)); }

void check_map_size(usize map_size) {
    if (map_size == 0 || map_size > MAX_MAP_SIZE)
        reject("map size " + num(map_size) + " is outside 1.." + num(MAX_MAP_SIZE));
}

void check_player_count(std::size_t count) {
    if (count > MAX_PLAYERS) reject(num(count) + " players, at most " + num(MAX_PLAYERS) + " allowed");
}

void check_properties(const EntityPropertiesTable& table) {
    for (std::size_t i = 0; i < ENTITY_TYPE_COUNT; ++i) {
        auto type = entity_type_at(i);
        auto it = table.find(type);
        if (it == table.end()) reject("entity properties lack " + name(type));
        const auto& properties = it->second;
        if (properties.size == 0) reject(name(type) + " has size 0");
        if (properties.can_move && properties.size != 1)
            reject(name(type) + " can move but has size " + num(properties.size));
        if (properties.attack && properties.attack->damage == 0) reject(name(type) + " attacks with damage 0");
    }
}

// Every size value must fit the binary form, or every view and log write of
// this state would fail; the encoder knows all of them.
void check_value_ranges(const Model& model) {
    try {
        (void)pakko::to_bytes(model);
    } catch (const pakko::IoError& error) {
        reject(std::string("value out of range: ") + error.what());
    }
}

template <class T>
void check_keys(const Collection<T>& collection, const std::string& what) {
    for (const auto& [key, record] : collection.by_id) {
        if (record_id(record) != key)
            reject(what + ": key " + num(key) + " holds the record of id " + num(record_id(record)));
    }
}

void check_players(const Model& model) {
    check_player_count(model.players.by_id.size());
    check_keys(model.players, "players");
    std::set<usize> indices;
    usize count = model.players.by_id.size();
    for (const auto& player : model.players.iter()) {
        if (player.index >= count)
            reject("player " + num(player.id) + " has index " + num(player.index) + ", not below the player count " +
                   num(count));
        if (!indices.insert(player.index).second) reject("two players have index " + num(player.index));
    }
}

struct Square {
    usize id;
    kimbly::Vec2Usize position;
    usize size;
};

// Automatic attacks find their candidates through the tile map, which holds
// one entity per cell, and sight keeps one value per cell: squares that share
// a cell would make the rules pick other targets than they should. Every
// square must already lie inside the map.
void check_no_overlap(usize map_size, const std::vector<Square>& squares, const std::string& what) {
    constexpr std::size_t FREE = 0;  // otherwise the square's position in the list plus one
    std::vector<std::size_t> cells(map_size * map_size, FREE);
    for (std::size_t i = 0; i < squares.size(); ++i) {
        const Square& square = squares[i];
        for (usize x = square.position.x; x < square.position.x + square.size; ++x) {
            for (usize y = square.position.y; y < square.position.y + square.size; ++y) {
                std::size_t& cell = cells[x * map_size + y];
                if (cell != FREE)
                    reject(what + " " + num(squares[cell - 1].id) + " and " + num(square.id) + " overlap at (" +
                           num(x) + ", " + num(y) + ")");
                cell = i + 1;
            }
        }
    }
}

void check_entities(const Model& model) {
    check_keys(model.entities, "entities");
    const auto& table = model.entity_properties.value;
    std::vector<Square> squares;
    for (const auto& entity : model.entities.iter()) {
        if (entity.player_id && model.players.get(*entity.player_id) == nullptr)
            reject("entity " + num(entity.id) + " is owned by unknown player " + num(*entity.player_id));
        usize size = table.at(entity.entity_type).size;
        if (entity.position.x + size > model.map_size || entity.position.y + size > model.map_size)
            reject("entity " + num(entity.id) + " at (" + num(entity.position.x) + ", " + num(entity.position.y) +
                   ") of size " + num(size) + " lies outside the map of size " + num(model.map_size));
        squares.push_back({entity.id, entity.position, size});
    }
    check_keys(model.entity_actions, "entity actions");
    check_no_overlap(model.map_size, squares, "entities");
}

void check_next_id(const Model& model) {
    auto check = [&](usize id) {
        if (id >= model.next_id) reject("next id " + num(model.next_id) + " is not above the id " + num(id));
    };
    for (const auto& key : model.players.by_id) check(key.first);
    for (const auto& key : model.entities.by_id) check(key.first);
}

// Removals are applied first, so a record both removed and changed is gone
// when its change arrives.
template <class T>
void check_changes(const Collection<T>& collection, const CollectionDelta<T>& delta, const std::string& what) {
    const std::set<usize> removed(delta.removed.begin(), delta.removed.end());
    for (const auto& change : delta.changed) {
        if (collection.get(change.first) == nullptr || removed.contains(change.first))
            reject("the delta changes " + what + " " + num(change.first) + ", which the state does not hold");
    }
}

}  // namespace

void validate_delta(const Model& model, const ModelDelta& delta) {
    check_changes(model.players, delta.of<&Model::players>(), "player");
    check_changes(model.entities, delta.of<&Model::entities>(), "entity");
    check_changes(model.entity_actions, delta.of<&Model::entity_actions>(), "the action of entity");
}

void validate_model(const Model& model) {
    check_properties(model.entity_properties.value);
    check_map_size(model.map_size);
    check_value_ranges(model);
    check_players(model);
    check_entities(model);
    check_next_id(model);
}

void validate_options(std::size_t player_count, const Options& options) {
    check_player_count(player_count);
    check_map_size(options.map_size);
    auto check_range = [](const char* field, usize value) {
        if (value > pakko::MAX_SIZE_VALUE) reject(std::string(field) + " " + num(value) + " is out of range");
    };
    if (options.max_tick_count) check_range("max_tick_count", *options.max_tick_count);
    check_range("initial_resource", options.initial_resource);
    check_range("passive_income", options.passive_income);
    check_range("max_pathfind_nodes", options.max_pathfind_nodes);
    // New games take the default table, so its sizes decide what fits.
    auto table = default_entity_properties();
    for (const auto& [type, position] : options.starting_entities) {
        usize size = table.at(type).size;
        if (position.x > options.map_size || position.y > options.map_size ||
            position.x + size > options.map_size || position.y + size > options.map_size)
            reject("starting " + name(type) + " at (" + num(position.x) + ", " + num(position.y) +
                   ") lies outside the map of size " + num(options.map_size));
    }
    // Each player gets the list turned into the game frame; the ids are those
    // generation gives: the players first, then each player's list in order.
    std::vector<Square> squares;
    usize id = player_count + 1;
    for (usize player = 0; player < player_count; ++player) {
        for (const auto& [type, position] : options.starting_entities) {
            usize size = table.at(type).size;
            squares.push_back({id++, convert_position(player, position, size, options.map_size, FrameDirection::ToGame),
                               size});
        }
    }
    check_no_overlap(options.map_size, squares, "starting entities");
}

}  // namespace velmora::model
