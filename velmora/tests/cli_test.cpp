// The program as a process: command line, exit statuses, messages on
// standard error and the files it writes.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

#include <fmt/format.h>
#include <fmt/ranges.h>
#include <kimbly/thread.hpp>
#include <pakko/json.hpp>
#include <pakko/pakko.hpp>
#include <tarnwick/lib/messages.hpp>
#include <tarnwick/lib/results.hpp>
#include <tarnwick/net/tcp_listener.hpp>
#include <tarnwick/net/tcp_stream.hpp>

#include "program_process.hpp"
#include "scripted_client.hpp"
#include "velmora/game.hpp"

namespace {

using namespace velmora_test;
using namespace std::chrono_literals;
class CliTest : public ProgramTest {};

TEST_F(CliTest, BatchMatchOfBuiltInPlayersWritesResultsAndGameLogThatRepeats) {
    const auto cfg = config("match.json", match_config(R"("QuickStart", "QuickStart")"));
    auto played = run({"--batch-mode", "--config", cfg, "--save-replay", path("match.log").string(),
                       "--save-results", path("results.json").string()});
    ASSERT_EQ(played.status, 0) << played.err;
    const Results results = read_results(path("results.json"));
    EXPECT_EQ(results.players, (std::vector<tarnwick::PlayerResult>{{false, std::nullopt}, {false, std::nullopt}}));
    EXPECT_EQ(results.seed, std::optional<std::uint64_t>(7));
    ASSERT_EQ(results.results.size(), 2u);
    EXPECT_GT(fs::file_size(path("match.log")), 0u);

    // Played again with the same seed: the same log, byte for byte.
    auto again = run({"--batch-mode", "--config", cfg, "--save-replay", path("again.log").string()});
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(read_file(path("again.log")), read_file(path("match.log")));

    auto repeated = run({"--batch-mode", "--config", cfg, "--repeat", path("match.log").string(), "--save-results",
                         path("repeated.json").string()});
    ASSERT_EQ(repeated.status, 0) << repeated.err;
    const Results replayed = read_results(path("repeated.json"));
    EXPECT_EQ(replayed.results, results.results);
    EXPECT_EQ(replayed.seed, std::nullopt);
}

TEST_F(CliTest, CommandLineOutcomes) {
    const auto cfg = config("match.json", match_config(R"("QuickStart", {"Empty": null})", 3, 2));
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string out_part;
        std::string err_part;
    };
    const Case cases[] = {
        {{"--version"}, 0, "velmora 1.3.0", ""},
        {{"--help"}, 0, "--config", ""},
        {{"--log-level", "verbose"}, 1, "",
         "attempted to convert a string that doesn't match an existing log level"},
        {{"--no-such-option"}, 1, "", ""},
        {{"--batch-mode"}, 101, "", "Batch mode can only be used with --config option"},
        // Logging off still tells why the program stopped.
        {{"--log-level", "off", "--batch-mode"}, 101, "", "Batch mode can only be used with --config option"},
        {{"--batch-mode", "--repeat", "some.log"}, 101, "", "Batch mode can only be used with --config option"},
        {{"--batch-mode", "--save-results", "r.json", "--save-replay", "r.log"}, 101, "",
         "Batch mode can only be used with --config option"},
        {{"--log-level", "TRACE", "--batch-mode", "--config", cfg}, 0, "", "Processed 2 ticks"},
        {{"--log-level", "warn", "--batch-mode", "--config", cfg}, 0, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(fmt::format("{}", fmt::join(c.args, " ")));
        auto outcome = run(c.args);
        EXPECT_EQ(outcome.status, c.status) << outcome.err;
        EXPECT_TRUE(contains(outcome.out, c.out_part)) << outcome.out;
        EXPECT_TRUE(contains(outcome.err, c.err_part)) << outcome.err;
    }
    // Trace lines appear only when asked for.
    EXPECT_FALSE(contains(run({"--batch-mode", "--config", cfg}).err, "Processed"));
}

TEST_F(CliTest, ClientGenerationOptionsAreCheckedWhileParsing) {
    const std::string mode_error = "Only gen | build[-docker] | run[-docker]";
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string err_part;
    };
    const Case cases[] = {
        {{"--client-gen-test-mode", "Run"}, 1, mode_error},
        {{"--client-gen-test-mode", "run "}, 1, mode_error},
        {{"--client-gen-test-mode", ""}, 1, mode_error},
        {{"--client-gen-options", "[]"}, 1, "invalid type: sequence, expected a map"},
        {{"--client-gen-options", "1"}, 1, "invalid type: integer `1`, expected a map"},
        {{"--client-gen-options", "{"}, 1, "syntax error while parsing object key"},
        // Without --client-gen, valid values have no effect.
        {{"--client-gen-test-mode", "run-docker", "--client-gen-options", "{}", "--batch-mode"}, 101,
         "Batch mode can only be used with --config option"},
        // Language names are matched exactly.
        {{"--client-gen", "clients", "--client-gen-language", "cpp", "--client-gen-options", "{}"}, 1,
         "Error: Unknown language \"cpp\""},
        {{"--client-gen", "clients", "--client-gen-options", R"({"Cpp": {}})"}, 101,
         "Failed to parse gen options: invalid type: map, expected unit"},
        {{"--client-gen", "."}, 1, "Error: Refusing to remove .: it holds the current directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(fmt::format("{}", fmt::join(c.args, " ")));
        auto outcome = run(c.args);
        EXPECT_EQ(outcome.status, c.status) << outcome.err;
        EXPECT_TRUE(contains(outcome.err, c.err_part)) << outcome.err;
    }
    EXPECT_FALSE(fs::exists(path("clients")));
}

TEST_F(CliTest, ClientGenerationWritesTheSelectedPackages) {
    fs::create_directories(path("clients"));
    write_file(path("clients/old.txt"), "");
    // One language goes into the target itself; a name given twice is one.
    auto outcome = run({"--client-gen", "clients", "--client-gen-language", "Cpp", "--client-gen-language", "Cpp",
                        "--client-gen-preserve-files"});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_TRUE(contains(outcome.err, "Generating Cpp with options ()")) << outcome.err;
    EXPECT_TRUE(fs::exists(path("clients/old.txt")));
    EXPECT_TRUE(fs::exists(path("clients/model/PlayerView.hpp")));
    // The test strategy replaces the template.
    EXPECT_TRUE(contains(read_file(path("clients/MyStrategy.cpp")), "validAutoAttackTargets"));

    outcome = run({"--client-gen", "clients"});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_FALSE(fs::exists(path("clients/old.txt")));
    EXPECT_TRUE(fs::exists(path("clients/Cpp/CMakeLists.txt")));
}

TEST_F(CliTest, StopsOnBadConfigurationsAndFiles) {
    write_file(path("state.json"), "{\"not\": \"a state\"}");
    struct Case {
        std::string name;
        std::string config;  // empty: no file
        std::vector<std::string> extra;
        std::string message;
        bool folder = false;  // the configuration path names a folder
    };
    const auto state_folder = path("state folder");
    fs::create_directories(state_folder);
    const Case cases[] = {
        {"missing", "", {}, "Could not open file: No such file or directory (os error 2)"},
        // A folder opens; reading its bytes is what fails.
        {"folder", "", {}, "Could not load config: Is a directory (os error 21)", true},
        {"Empty with a number", match_config(R"("QuickStart", {"Empty": 5})"), {},
         "Could not load config: invalid type: integer `5`, expected unit struct EmptyPlayerOptions"},
        {"Empty with an object", match_config(R"("QuickStart", {"Empty": {}})"), {},
         "Could not load config: invalid type: map, expected unit struct EmptyPlayerOptions"},
        {"unknown player with null", match_config(R"("QuickStart", {"Robot": null})"), {},
         "Could not load config: unknown variant `Robot`, expected one of `Keyboard`, `QuickStart`, `Tcp`, `Empty`"},
        {"player as a number", match_config(R"("QuickStart", 5)"), {},
         "Could not load config: invalid type: integer `5`, expected variant identifier"},
        {"player with two names", match_config(R"({"Keyboard": null, "QuickStart": null})"), {},
         "Could not load config: invalid type: map, expected variant identifier"},
        {"Keyboard with an object", match_config(R"("QuickStart", {"Keyboard": {}})"), {},
         "Could not load config: invalid type: map, expected unit"},
        {"QuickStart with an array", match_config(R"("QuickStart", {"QuickStart": []})"), {},
         "Could not load config: invalid type: sequence, expected unit"},
        {"Round1 with an array", R"({"game": {"Create": {"Round1": []}}, "players": []})", {},
         "Could not load config: invalid type: sequence, expected unit"},
        {"unknown preset", R"({"game": {"Create": "Robot"}, "players": []})", {},
         "Could not load config: unknown variant `Robot`, expected one of `Round1`, `Round2`, `Finals`, `Custom`"},
        {"preset as a number", R"({"game": {"Create": 1}, "players": []})", {},
         "Could not load config: invalid type: integer `1`, expected variant identifier"},
        {"unknown game start", R"({"game": {"Robot": null}, "players": []})", {},
         "Could not load config: unknown variant `Robot`, expected one of `LoadFrom`, `Create`"},
        {"game start as a list", R"({"game": [], "players": []})", {},
         "Could not load config: invalid type: sequence, expected variant identifier"},
        {"not json", "{players", {}, "Could not load config: "},
        {"bare Empty", match_config(R"("QuickStart", "Empty")"), {}, "Could not load config: "},
        {"unknown player", match_config(R"("QuickStart", "Robot")"), {},
         "Could not load config: unknown variant `Robot`, expected one of `Keyboard`, `QuickStart`, `Tcp`, `Empty`"},
        {"bare Tcp", match_config(R"("QuickStart", "Tcp")"), {}, "Could not load config: "},
        {"negative seed", R"({"seed": -1, "game": {"Create": "Round1"}, "players": []})", {}, "Could not load config: "},
        {"port too big", match_config(R"({"Tcp": {"port": 70000}})"), {}, "Could not load config: "},
        {"five players", match_config(R"({"Empty": null}, {"Empty": null}, {"Empty": null}, {"Empty": null}, {"Empty": null})"), {},
         "The configuration has 5 players, at most 4 can play"},
        {"missing state", R"({"game": {"LoadFrom": "nowhere.json"}, "players": [{"Empty": null}]})", {},
         "Failed to read file: "},
        {"bad state", fmt::format(R"({{"game": {{"LoadFrom": "{}"}}, "players": [{{"Empty": null}}]}})",
                                  path("state.json").string()),
         {}, "Failed to parse file: "},
        {"state is a folder", fmt::format(R"({{"game": {{"LoadFrom": "{}"}}, "players": [{{"Empty": null}}]}})",
                                          state_folder.string()),
         {}, "Failed to parse file: Is a directory (os error 21)"},
        {"missing game log", match_config(R"({"Empty": null}, {"Empty": null})"), {"--repeat", path("nothing.log").string()},
         "Failed to open game log file: "},
        {"replay folder missing", match_config(R"({"Empty": null}, {"Empty": null})"),
         {"--save-replay", path("no/folder/match.log").string()}, "Failed to create replay file: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto file = path("config.json");
        fs::remove_all(file);
        if (!c.config.empty()) write_file(file, c.config);
        if (c.folder) fs::create_directories(file);
        std::vector<std::string> args{"--batch-mode", "--config", file.string()};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        auto outcome = run(args);
        EXPECT_EQ(outcome.status, 101);
        EXPECT_TRUE(contains(outcome.err, c.message)) << outcome.err;
    }
}

TEST_F(CliTest, RepeatWithMorePlayersThanTheLogStopsBeforeAnyPlayerIsCreated) {
    const auto two = config("two.json", match_config(R"("QuickStart", "QuickStart")", 1, 3));
    ASSERT_EQ(run({"--batch-mode", "--config", two, "--save-replay", path("two.log").string()}).status, 0);
    const auto tcp_port = tarnwick::net::TcpListener::bind("127.0.0.1", 0).local_port();
    const auto three = config(
        "three.json", match_config(fmt::format(R"({{"Empty": null}}, {{"Empty": null}}, {{"Tcp": {{"port": {}}}}})", tcp_port), 1, 3));
    auto outcome = run({"--batch-mode", "--config", three, "--repeat", path("two.log").string()});
    EXPECT_EQ(outcome.status, 101);
    EXPECT_TRUE(contains(outcome.err, "The configuration has 3 players, but the game log has only 2")) << outcome.err;
    EXPECT_FALSE(contains(outcome.err, "Waiting for connection")) << outcome.err;
}

TEST_F(CliTest, RelativePathsAreTakenFromTheProgramsFolder) {
    // The development variable names a source folder whose "static" subfolder
    // becomes the working directory.
    fs::create_directories(path("source/static"));
    write_file(path("source/static/short.json"), match_config(R"("QuickStart", {"Empty": null})", 5, 2));
    auto outcome = run({"--batch-mode", "--config", "short.json", "--save-results", "results.json"},
                       {"VELMORA_DEV_SOURCE_DIR=" + path("source").string()});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_TRUE(fs::exists(path("source/static/results.json")));
    EXPECT_FALSE(fs::exists(path("results.json")));

    // Without it, the executable's folder, wherever the program was started.
    const auto beside = EXE.parent_path() / fmt::format("cli_test_{}.json", ::getpid());
    write_file(beside, match_config(R"("QuickStart", {"Empty": null})", 5, 2));
    auto from_exe = run({"--batch-mode", "--config", beside.filename().string()});
    fs::remove(beside);
    EXPECT_EQ(from_exe.status, 0) << from_exe.err;
}

TEST_F(CliTest, TcpPlayersOverLoopback) {
    struct Case {
        std::string name;
        std::string tcp_extra;              // more keys of the Tcp entry
        std::optional<ScriptedClient> client;
        bool crashed;
        std::string comment_part;
        bool finish_received;
    };
    const Case cases[] = {
        {"plays to the end", R"(, "token": "abc")", ScriptedClient{"abc", std::nullopt}, false, "", true},
        {"wrong token", R"(, "token": "abc")", ScriptedClient{"abd", std::nullopt}, true,
         "Player crashed: IO error: IO error: Token mismatch", false},
        {"goes silent", R"(, "timeout": 0.3)", ScriptedClient{"", 4, Ending::Silent}, true,
         "Player crashed: IO error: ", false},
        {"hangs up mid-match", "", ScriptedClient{"", 4, Ending::HangUp}, true, "Player crashed: IO error: ", false},
        {"never connects", R"(, "accept_timeout": 0.5)", std::nullopt, true,
         "Player crashed: IO error: IO error: connection reset", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto port = tarnwick::net::TcpListener::bind("127.0.0.1", 0).local_port();
        const auto cfg = config(
            "tcp.json", match_config(fmt::format(R"("QuickStart", {{"Tcp": {{"port": {}{}}}}})", port, c.tcp_extra),
                                     11, 12));
        fs::remove(path("results.json"));
        Process program(dir_, {"--batch-mode", "--config", cfg, "--save-results", path("results.json").string()});
        bool finished = false;
        kimbly::Thread client;
        if (c.client) client = kimbly::Thread("client", [&] { play_client(port, *c.client, &finished); });
        auto outcome = program.wait();
        client.join();
        ASSERT_EQ(outcome.status, 0) << outcome.err;
        const Results results = read_results(path("results.json"));
        ASSERT_EQ(results.players.size(), 2u);
        EXPECT_FALSE(results.players[0].crashed);
        EXPECT_EQ(results.players[1].crashed, c.crashed);
        if (c.comment_part.empty()) {
            EXPECT_EQ(results.players[1].comment, std::nullopt);
        } else {
            EXPECT_TRUE(contains(results.players[1].comment.value_or(""), c.comment_part))
                << results.players[1].comment.value_or("(none)");
        }
        EXPECT_EQ(finished, c.finish_received);
        EXPECT_TRUE(contains(outcome.err, fmt::format("Waiting for connection on port {}", port))) << outcome.err;
    }
}

}  // namespace
