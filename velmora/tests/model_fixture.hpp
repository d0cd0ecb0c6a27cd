#pragma once
// Game states built by hand for the rules' tests, and random sources whose
// draws the tests can count or script.
#include <cstdint>
#include <deque>
#include <map>
#include <ostream>
#include <optional>
#include <utility>
#include <vector>

#include <kimbly/chacha20.hpp>
#include <kimbly/rng.hpp>

#include "velmora/model/default_properties.hpp"
#include "velmora/model/model.hpp"
#include "velmora/model/turn.hpp"

namespace velmora::model::testing {

// How far computed positions, sizes and angles may be from the expected ones.
inline constexpr float TOLERANCE = 1e-5f;

// A seeded match generator that counts what is drawn through the interface.
class CountingRng final : public kimbly::rng::Rng {
public:
    explicit CountingRng(std::uint64_t seed = 1) : inner_(kimbly::rng::ChaCha20Rng::seed_from_u64(seed)) {}
    std::uint32_t fetch_u32() override {
        ++u32_count;
        return inner_.next_u32();
    }
    std::uint64_t next_u64() override {
        ++u64_count;
        return inner_.next_u64();
    }
    std::size_t u32_count = 0;
    std::size_t u64_count = 0;

private:
    kimbly::rng::ChaCha20Rng inner_;
};

// Hands out the given values in order (32-bit and 64-bit draws share the
// script), then 2^31, which every bounded draw accepts at once; counts every
// draw.
class ScriptedRng final : public kimbly::rng::Rng {
public:
    explicit ScriptedRng(std::vector<std::uint64_t> script = {}) : script_(script.begin(), script.end()) {}
    std::uint32_t fetch_u32() override {
        ++u32_count;
        return static_cast<std::uint32_t>(take());
    }
    std::uint64_t next_u64() override {
        ++u64_count;
        return take();
    }
    std::size_t u32_count = 0;
    std::size_t u64_count = 0;

private:
    std::uint64_t take() {
        if (script_.empty()) return 0x80000000u;
        auto value = script_.front();
        script_.pop_front();
        return value;
    }
    std::deque<std::uint64_t> script_;
};

inline kimbly::Vec2Usize at(usize x, usize y) { return {x, y}; }

// A game without players or entities, with the default properties table.
inline Model empty_model(usize map_size = 20, bool fog_of_war = false) {
    Model model;
    model.next_id = 1;
    model.map_size = map_size;
    model.fog_of_war = fog_of_war;
    model.entity_properties.value = default_entity_properties();
    model.max_tick_count = 1000;
    model.max_pathfind_nodes = 1000;
    return model;
}

inline const EntityProperties& properties_of(const Model& model, EntityType type) {
    return model.entity_properties.value.at(type);
}

inline usize add_player(Model& model, usize index, usize resource = 0, usize score = 0) {
    usize id = model.next_id++;
    model.players.by_id[id] = Player{id, index, score, resource};
    return id;
}

struct EntitySpec {
    EntityType type;
    std::optional<usize> owner;
    kimbly::Vec2Usize position;
    std::optional<usize> health = std::nullopt;  // full when absent
    bool active = true;
};

inline usize add_entity(Model& model, const EntitySpec& spec) {
    usize id = model.next_id++;
    usize health = spec.health.value_or(properties_of(model, spec.type).max_health);
    model.entities.by_id[id] = Entity{id, spec.owner, spec.type, spec.position, health, spec.active};
    return id;
}

inline usize add_entity(Model& model, EntityType type, std::optional<usize> owner, kimbly::Vec2Usize position) {
    return add_entity(model, EntitySpec{type, owner, position});
}

// Sets a standing action directly, as if sent in an earlier tick.
inline void stand(Model& model, usize entity_id, EntityAction action) {
    model.entity_actions.by_id[entity_id] = StoredAction{entity_id, std::move(action)};
}

inline EntityAction move_to(kimbly::Vec2Usize target, bool break_through = false) {
    EntityAction action;
    action.move_action = MoveAction{target, true, break_through};
    return action;
}

inline EntityAction attack(std::optional<usize> target, std::optional<AutoAttack> auto_attack = std::nullopt) {
    EntityAction action;
    action.attack_action = AttackAction{target, std::move(auto_attack)};
    return action;
}

inline EntityAction build(EntityType type, kimbly::Vec2Usize position) {
    EntityAction action;
    action.build_action = BuildAction{type, position};
    return action;
}

inline EntityAction repair(usize target) {
    EntityAction action;
    action.repair_action = RepairAction{target};
    return action;
}

// One tick with no new orders.
inline std::vector<Event> play(Model& model, kimbly::rng::Rng& rng, std::map<usize, Action> actions = {}) {
    return process_turn(model, rng, std::move(actions));
}

inline Event attack_event(usize attacker, usize target) { return Event{Attack{attacker, target}}; }

inline const Entity& entity(const Model& model, usize id) { return model.entities.by_id.at(id); }
inline const Player& player(const Model& model, usize id) { return model.players.by_id.at(id); }

}  // namespace velmora::model::testing

namespace velmora::model {
inline void PrintTo(const Event& event, std::ostream* out) {
    const auto& a = std::get<Attack>(event.value);
    *out << "Attack{" << a.attacker_id << " -> " << a.target_id << "}";
}
}  // namespace velmora::model
