// The program given broken or hostile input: damaged game logs, matches that
// are over before they start, and player programs that send far too much.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <thread>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <kimbly/chacha20.hpp>
#include <tarnwick/net/tcp_listener.hpp>
#include <tarnwick/net/tcp_stream.hpp>
#include <kimbly/diff.hpp>
#include <tarnwick/app/history/history.hpp>
#include <test_support/log_capture.hpp>
#include <test_support/waits.hpp>
#include <pakko/pakko.hpp>

#include "program_process.hpp"
#include "scripted_client.hpp"
#include "velmora/game.hpp"
#include "velmora/renderer/game_history.hpp"
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

// The viewer's replay gets the checks of a repeat: a bad first state is
// refused at once, and a bad tick ends the reading after the last good one,
// whose states stay shown.
TEST_F(BrokenInputTest, AReplayStopsReadingAtTheLastGoodTickNamingTheFault) {
    using History = velmora::GameHistory;
    const Model first = first_state();
    const ModelDelta quiet = tick_delta(first, [](ModelDelta&) {});
    struct Case {
        const char* name;
        bool in_first_state;
        std::function<void(Model&)> damage_first;
        std::function<void(ModelDelta&)> damage_tick;
        std::string reason;
    };
    const auto fine = [](auto&) {};
    const Case cases[] = {
        {"state: map of 20000 cells", true, [](Model& m) { m.map_size = 20000; }, fine,
         "map size 20000 is outside 1..1024"},
        {"state: player index 5", true, [](Model& m) { m.players.get(2)->index = 5; }, fine,
         "player 2 has index 5, not below the player count 2"},
        {"state: entity properties missing", true,
         [](Model& m) { m.entity_properties.value.erase(velmora::model::EntityType::MeleeUnit); }, fine,
         "entity properties lack MeleeUnit"},
        {"tick: map of 2^31-1", false, fine, [](ModelDelta& d) { d.of<&Model::map_size>() = 2147483647; },
         "map size 2147483647 is outside 1..1024"},
        {"tick: player index 1000", false, fine,
         [](ModelDelta& d) { d.of<&Model::players>().changed.emplace_back(2, velmora::model::Player{2, 1000, 0, 50}); },
         "player 2 has index 1000, not below the player count 2"},
        {"tick: a player added", false, fine,
         [&](ModelDelta& d) {
             d.of<&Model::players>().added.push_back(velmora::model::Player{first.next_id, 2, 0, 0});
             d.of<&Model::next_id>() = first.next_id + 1;
         },
         "a tick changes the player count from 2 to 3"},
    };
    for (const auto& c : cases) {
        IN_CHILD_WITH_LOG(kimbly::logger::LevelFilter::Error, ([&] {
            SCOPED_TRACE(c.name);
            const auto file = path("replay.log");
            Model state = first;
            c.damage_first(state);
            write_file(file, game_log(state, {quiet, tick_delta(first, c.damage_tick), quiet}));
            if (c.in_first_state) {
                try {
                    History::load(file);
                    ADD_FAILURE() << "loaded";
                } catch (const std::exception& error) {
                    EXPECT_EQ(std::string(error.what()), c.reason);
                }
                return;
            }
            auto history = History::load(file);
            ASSERT_TRUE(test_support::poll_until([&] {
                return !test_support::LogCapture::records("kimbly::logger").empty();
            }));
            EXPECT_EQ(history.stored_states(), 2u);
            history.go_to(5, false);
            EXPECT_EQ(history.current_state().game.current_tick, first.current_tick + 1);
            const auto records = test_support::LogCapture::records("kimbly::logger");
            EXPECT_TRUE(records[0].starts_with("ERROR panicked at 'Error while reading replay: " + c.reason + "'"))
                << records[0];
        }));
    }
}

TEST_F(BrokenInputTest, MatchesOverBeforeTheirFirstTickStillWriteTheirResults) {
    Model past_its_end = first_state();
    past_its_end.current_tick = past_its_end.max_tick_count;
    write_file(path("over.json"), pakko::json::dump(past_its_end));
    Model overlapping = first_state();
    overlapping.entities.get(4)->position = overlapping.entities.get(3)->position;
    write_file(path("overlapping.json"), pakko::json::dump(overlapping));
    write_file(path("first-state-only.log"), game_log(first_state(), {}));
    auto load_from = [&](const std::string& file) {
        return fmt::format(R"({{"seed": 7, "game": {{"LoadFrom": "{}"}}, "players": [{{"Empty": null}}, {{"Empty": null}}]}})",
                           path(file).string());
    };
    const std::string overlapping_starts = R"({"seed": 7, "game": {"Create": {"Custom": {"map_size": 30,
        "max_tick_count": 25, "initial_resource": 0, "passive_income": 0, "max_pathfind_nodes": 500,
        "fog_of_war": false, "starting_entities": [["BuilderBase", {"x": 13, "y": 13}]]}}},
        "players": ["QuickStart", "QuickStart"]})";
    struct Case {
        const char* name;
        std::string config;
        std::vector<std::string> extra;
        std::vector<std::uint64_t> results;  // of a match that is over at once
        std::optional<std::uint64_t> seed;
        std::string error;  // of input that cannot start a match
    };
    const Case cases[] = {
        {"no tick allowed", match_config(R"("QuickStart", "QuickStart")", 7, 0), {}, {0, 0}, 7, ""},
        {"one player with starting entities", match_config(R"("QuickStart")"), {}, {0}, 7, ""},
        {"no player", R"({"seed": 7, "game": {"Create": "Round1"}, "players": []})", {}, {}, 7, ""},
        {"loaded state past its last tick", load_from("over.json"), {}, {0, 0}, 7, ""},
        {"game log of its first state only", match_config(R"({"Empty": null}, {"Empty": null})"),
         {"--repeat", path("first-state-only.log").string()}, {0, 0}, std::nullopt, ""},
        {"starting entities on each other", overlapping_starts, {}, {}, std::nullopt,
         "Invalid game options: starting entities 3 and 4 overlap at (13, 13)"},
        {"loaded state with entities on each other", load_from("overlapping.json"), {}, {}, std::nullopt,
         "Failed to parse file: entities 3 and 4 overlap at (5, 5)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(path("results.json"));
        std::vector<std::string> args{"--batch-mode", "--config", config("match.json", c.config), "--save-results",
                                      path("results.json").string()};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        auto outcome = run(args);
        if (!c.error.empty()) {
            EXPECT_EQ(outcome.status, 101);
            EXPECT_TRUE(contains(outcome.err, c.error)) << outcome.err;
            EXPECT_FALSE(fs::exists(path("results.json")));
            continue;
        }
        ASSERT_EQ(outcome.status, 0) << outcome.err;
        const Results results = read_results(path("results.json"));
        EXPECT_EQ(results.results, c.results);
        EXPECT_EQ(results.seed, c.seed);
        EXPECT_EQ(results.players, std::vector<tarnwick::PlayerResult>(c.results.size()));
    }
}

void put_int32(std::vector<std::byte>& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::byte>(value >> shift));
}

// An action message announcing `count` orders and really sending them, in
// pieces as a client program would: entities from id 1000000 on, none of
// which exists, each order without parts (8 bytes).
void answer_with_orders(tarnwick::net::TcpStream& stream, std::uint32_t count) {
    constexpr std::size_t PIECE = 64 * 1024;
    std::vector<std::byte> bytes;
    put_int32(bytes, 1);  // ActionMessage
    put_int32(bytes, count);
    for (std::uint32_t i = 0; i < count; ++i) {
        put_int32(bytes, 1000000 + i);
        put_int32(bytes, 0);  // no move, build, attack or repair part
        if (bytes.size() >= PIECE) {
            stream.write_all(bytes);
            bytes.clear();
        }
    }
    stream.write_all(bytes);
}

TEST_F(BrokenInputTest, HostileClientsCostTheMatchNeitherItsMemoryNorItsLog) {
    constexpr int TICKS = 10;
    struct Case {
        const char* name;
        std::uint32_t orders_per_answer;
        bool crashed;
        std::string comment;
        std::string summary;  // the log's count of orders it did not show one by one
    };
    const Case cases[] = {
        // 64 MiB of orders; decoded in full they would take gigabytes.
        {"millions of orders in one answer", 8000000, true,
         "Player crashed: IO error: Client sent more than 8388608 bytes in answer to one request", ""},
        {"orders for missing entities every tick", 20000, false, "",
         "ERROR - 19990 more orders for missing or foreign entities were dropped"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto port = tarnwick::net::TcpListener::bind("127.0.0.1", 0).local_port();
        const auto cfg = config("tcp.json", match_config(fmt::format(R"("QuickStart", {{"Tcp": {{"port": {}}}}})", port), 11, TICKS));
        fs::remove(path("results.json"));
        Process program(dir_, {"--batch-mode", "--config", cfg, "--save-results", path("results.json").string()});
        ScriptedClient client{"", std::nullopt, Ending::Finish,
                              [&](tarnwick::net::TcpStream& stream) { answer_with_orders(stream, c.orders_per_answer); }};
        bool finished = false;
        std::thread client_thread(play_client, port, client, &finished);
        auto outcome = program.wait();
        client_thread.join();
        ASSERT_EQ(outcome.status, 0) << outcome.err.substr(0, 2000);
        const Results results = read_results(path("results.json"));
        ASSERT_EQ(results.players.size(), 2u);
        EXPECT_FALSE(results.players[0].crashed);
        EXPECT_EQ(results.players[1].crashed, c.crashed);
        EXPECT_EQ(results.players[1].comment.value_or(""), c.comment);
        // A sanitizer build holds some 380 MiB at the bound and 140 MiB in a
        // quiet match.
        EXPECT_LT(outcome.max_rss_kib, 1024 * 1024) << "KiB";
        EXPECT_LT(outcome.err.size(), 1000u * TICKS) << outcome.err.substr(0, 2000);
        if (!c.summary.empty()) {
            EXPECT_TRUE(contains(outcome.err, c.summary)) << outcome.err.substr(0, 2000);
        }
    }
}

}  // namespace
