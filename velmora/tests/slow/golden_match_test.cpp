// Fixed-seed quick-start matches whose every outcome is pinned: each tick's
// events, the final state and where the generator stands afterwards. The
// rules may be made faster, but a match must not change by a single byte or
// a single draw; a failure here means some order of iteration or of draws
// moved.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <span>
#include <vector>

#include <kimbly/chacha20.hpp>
#include <pakko/pakko.hpp>

#include "velmora/game.hpp"
#include "velmora/model/default_properties.hpp"
#include "velmora/model/sight.hpp"
#include "velmora/quickstart_player.hpp"

namespace velmora {
namespace {

using model::Model;
using Traits = tarnwick::GameTraits<Model>;

class Fnv1a64 {
public:
    void add(std::span<const std::byte> bytes) {
        for (std::byte b : bytes) add_byte(static_cast<std::uint8_t>(b));
    }
    void add(std::uint64_t value) {
        for (int i = 0; i < 8; ++i) add_byte(static_cast<std::uint8_t>(value >> (8 * i)));
    }
    std::uint64_t value() const { return hash_; }

private:
    void add_byte(std::uint8_t b) {
        hash_ ^= b;
        hash_ *= 0x100000001b3ULL;
    }

    std::uint64_t hash_ = 0xcbf29ce484222325ULL;
};

struct GoldenCase {
    const char* name;
    model::OptionsPreset preset;
    std::size_t players;
    std::uint64_t seed;
    std::size_t ticks;
    std::uint64_t expected;
};

// Plays up to `ticks` ticks (fewer if the match ends) through the game's
// binding, as the match runner drives it, and hashes every tick's events,
// the tick number they came in, the final state and the generator's next
// draw, so that a draw taken or skipped anywhere shows.
std::uint64_t play(const GoldenCase& c) {
    auto rng = kimbly::rng::ChaCha20Rng::seed_from_u64(c.seed);
    Model game = Traits::init(rng, c.players, model::options_from(c.preset));
    quickstart_player::QuickStartPlayer<Model> player;
    Fnv1a64 hash;
    for (std::size_t tick = 0; tick < c.ticks && !Traits::finished(game); ++tick) {
        std::map<std::size_t, model::Action> actions;
        for (std::size_t index = 0; index < c.players; ++index)
            actions[index] = player.get_action(Traits::player_view(game, index), nullptr);
        const auto events = Traits::process_turn(game, rng, actions);
        hash.add(tick);
        hash.add(pakko::to_bytes(events));
    }
    hash.add(pakko::to_bytes(game));
    hash.add(rng.next_u64());
    return hash.value();
}

const GoldenCase CASES[] = {
    // No fog, two players: the lone-survivor rule can apply.
    {"Round1TwoPlayers", model::OptionsPreset{model::Round1{}}, 2, 7, 400, 0xb533326ccb7412b9},
    // Fog, four players: sight grids differ per player and units fight.
    {"FinalsFourPlayers", model::OptionsPreset{model::Finals{}}, 4, 11, 400, 0xba6cdd5efca28853},
    // Fog with two players.
    {"FinalsTwoPlayers", model::OptionsPreset{model::Finals{}}, 2, 3, 300, 0x6fa97f2df3554480},
};

TEST(GoldenMatch, FixedSeedsPlayExactlyAsRecorded) {
    for (const GoldenCase& c : CASES) {
        SCOPED_TRACE(c.name);
        const std::uint64_t played = play(c);
        EXPECT_EQ(played, c.expected) << std::hex << "played 0x" << played;
    }
}

// Sight by its definition: for each cell the largest sight_range + 1 - d over
// the owner's entities, d the Manhattan distance to the entity's nearest
// cell; 0 where none reaches.
std::vector<model::usize> plain_sight(const Model& game, const model::Player* player) {
    const model::usize m = game.map_size;
    std::vector<model::usize> counters(m * m, 0);
    for (const model::Entity& entity : game.entities.iter()) {
        if (!entity.player_id || (player != nullptr && *entity.player_id != player->id)) continue;
        const auto& properties = game.entity_properties.value.at(entity.entity_type);
        const auto axis = [](model::usize v, model::usize lo, model::usize size) {
            return v < lo ? lo - v : (v >= lo + size ? v - (lo + size - 1) : 0);
        };
        for (model::usize x = 0; x < m; ++x)
            for (model::usize y = 0; y < m; ++y) {
                const model::usize d =
                    axis(x, entity.position.x, properties.size) + axis(y, entity.position.y, properties.size);
                if (d <= properties.sight_range)
                    counters[x * m + y] = std::max(counters[x * m + y], properties.sight_range + 1 - d);
            }
    }
    return counters;
}

// Crowds of squares of every size on small maps, against map edges and each
// other; the larger crowds take the grid's other way of spreading sight.
TEST(GoldenMatch, SightGridsMatchTheirDefinition) {
    using model::EntityType;
    const EntityType types[] = {EntityType::BuilderUnit, EntityType::RangedUnit, EntityType::House,
                                EntityType::BuilderBase, EntityType::Turret, EntityType::Resource};
    struct Row {
        model::usize map_size;
        std::size_t entities;
    };
    const Row rows[] = {{1, 1}, {7, 3}, {20, 5}, {20, 60}, {33, 12}, {40, 300}};
    auto rng = kimbly::rng::ChaCha20Rng::seed_from_u64(5);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.map_size);
        Model game;
        game.map_size = row.map_size;
        game.fog_of_war = true;
        game.entity_properties.value = model::default_entity_properties();
        game.players = model::Collection<model::Player>::from_iter(
            std::vector<model::Player>{{1, 0, 0, 0}, {2, 1, 0, 0}});
        for (std::size_t i = 0; i < row.entities; ++i) {
            const EntityType type = types[kimbly::rng::below(rng, std::size(types))];
            const model::usize size = std::min(game.entity_properties.value.at(type).size, row.map_size);
            const model::usize x = kimbly::rng::below(rng, row.map_size - size + 1);
            const model::usize y = kimbly::rng::below(rng, row.map_size - size + 1);
            std::optional<model::usize> owner;
            if (type != EntityType::Resource) owner = 1 + kimbly::rng::below(rng, 2);
            game.entities.by_id.emplace(i, model::Entity{i, owner, type, {x, y}, 1, true});
        }
        EXPECT_EQ(model::sight_range_map(game, nullptr).counters, plain_sight(game, nullptr));
        for (const model::Player& player : game.players.iter())
            EXPECT_EQ(model::sight_range_map(game, &player).counters, plain_sight(game, &player));
        const auto grids = model::sight_range_maps(game);
        for (const model::Player& player : game.players.iter())
            EXPECT_EQ(grids.at(player.id).counters, plain_sight(game, &player));
    }
}

}  // namespace
}  // namespace velmora
