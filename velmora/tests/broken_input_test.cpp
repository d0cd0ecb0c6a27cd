// The program given broken or hostile input: damaged game logs, matches that
// are over before they start, and player programs that send far too much.
#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include <kimbly/chacha20.hpp>
#include <kimbly/diff.hpp>
#include <pakko/pakko.hpp>

#include "program_process.hpp"
#include "velmora/model/init.hpp"
#include "velmora/model/options.hpp"

namespace {

using namespace velmora_test;
using velmora::model::Model;
using velmora::model::ModelDelta;

Model first_state() {
    velmora::model::Options options{30, 25, 50, 0, 500, false, {{velmora::model::EntityType::BuilderBase, {5, 5}}}};
    auto rng = kimbly::rng::ChaCha20Rng::seed_from_u64(3);
    return velmora::model::init(rng, 2, options);
}

// A game log: the first state, then per tick no events and a delta.
std::string game_log(const Model& first, const std::vector<ModelDelta>& deltas) {
    std::vector<std::byte> bytes = pakko::to_bytes(first);
    for (const auto& delta : deltas) {
        for (auto part : {pakko::to_bytes(std::vector<velmora::model::Event>{}), pakko::to_bytes(delta)})
            bytes.insert(bytes.end(), part.begin(), part.end());
    }
    return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

// One quiet tick after `state`, changed by `damage`.
ModelDelta tick_delta(const Model& state, const std::function<void(ModelDelta&)>& damage) {
    Model next = state;
    ++next.current_tick;
    ModelDelta delta = kimbly::diff(state, next);
    damage(delta);
    return delta;
}

class BrokenInputTest : public ProgramTest {};

TEST_F(BrokenInputTest, RepeatOfADamagedGameLogStopsNamingTheFault) {
    const Model first = first_state();
    auto state_with = [&](const std::function<void(Model&)>& damage) {
        Model state = first;
        damage(state);
        return game_log(state, {});
    };
    auto log_with = [&](const std::function<void(ModelDelta&)>& damage) {
        return game_log(first, {tick_delta(first, [](ModelDelta&) {}), tick_delta(first, damage)});
    };
    const std::string whole = game_log(first, {tick_delta(first, [](ModelDelta&) {})});
    struct Case {
        const char* name;
        std::string log;
        std::string reason;
    };
    const Case cases[] = {
        {"state: entities on each other",
         state_with([](Model& m) { m.entities.get(4)->position = m.entities.get(3)->position; }),
         "entities 3 and 4 overlap at (5, 5)"},
        {"state: player index out of range", state_with([](Model& m) { m.players.get(2)->index = 6; }),
         "player 2 has index 6, not below the player count 2"},
        {"state: map too large", state_with([](Model& m) { m.map_size = 2000000000; }),
         "map size 2000000000 is outside 1..1024"},
        {"state: cut short", whole.substr(0, 100), "failed to fill whole buffer"},
        {"delta: changes a missing entity",
         log_with([&](ModelDelta& d) { d.of<&Model::entities>().changed.emplace_back(999, *first.entities.get(3)); }),
         "the delta changes entity 999, which the state does not hold"},
        {"delta: changes a removed player",
         log_with([](ModelDelta& d) {
             d.of<&Model::players>().removed.push_back(1);
             d.of<&Model::players>().changed.emplace_back(1, velmora::model::Player{1, 0, 5, 0});
         }),
         "the delta changes player 1, which the state does not hold"},
        {"delta: player index out of range",
         log_with([](ModelDelta& d) { d.of<&Model::players>().changed.emplace_back(2, velmora::model::Player{2, 9, 0, 50}); }),
         "player 2 has index 9, not below the player count 2"},
        {"delta: map too large", log_with([](ModelDelta& d) { d.of<&Model::map_size>() = 2147483647; }),
         "map size 2147483647 is outside 1..1024"},
        {"delta: a player leaves", log_with([&](ModelDelta& d) {
             d.of<&Model::players>().removed.push_back(2);
             for (const auto& entity : first.entities.iter())
                 if (entity.player_id == 2u) d.of<&Model::entities>().removed.push_back(entity.id);
         }),
         "a tick changes the player count from 2 to 1"},
        {"delta: cut short", whole + log_with([](ModelDelta&) {}).substr(whole.size(), 30),
         "failed to fill whole buffer"},
    };
    const auto cfg = config("repeat.json", match_config(R"({"Empty": null}, {"Empty": null})"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        write_file(path("match.log"), c.log);
        fs::remove(path("results.json"));
        auto outcome = run({"--batch-mode", "--config", cfg, "--repeat", path("match.log").string(),
                            "--save-results", path("results.json").string()});
        EXPECT_EQ(outcome.status, 101);
        EXPECT_TRUE(contains(outcome.err, "panicked at 'Failed to read game log: " + c.reason + "'")) << outcome.err;
        EXPECT_FALSE(fs::exists(path("results.json")));
    }
    // The undamaged log repeats to the end.
    write_file(path("match.log"), whole);
    auto outcome = run({"--batch-mode", "--config", cfg, "--repeat", path("match.log").string(), "--save-results",
                        path("results.json").string()});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
}

}  // namespace
