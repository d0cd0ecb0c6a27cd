#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <sstream>
#include <string>

#include <unistd.h>

#include <kimbly/panic.hpp>
#include <pakko/json.hpp>
#include <pakko/pakko.hpp>

#include "fake_game.hpp"
#include "test_support/panic_message.hpp"
#include "tarnwick/lib/config_file.hpp"
#include "tarnwick/lib/full_results.hpp"
#include "tarnwick/player/tcp.hpp"
#include "test_support/files.hpp"

namespace {

namespace fs = std::filesystem;
using tarnwick::player::EmptyPlayerOptions;
using tarnwick::player::tcp::TcpPlayerOptions;

// Player entries of the three shapes a game's entries come in: a bare name,
// a record and the empty record.
struct Bot {
    bool operator==(const Bot&) const = default;
};
struct Tcp {
    TcpPlayerOptions options;
    bool operator==(const Tcp&) const = default;
};
struct Empty {
    EmptyPlayerOptions options;
    bool operator==(const Empty&) const = default;
};
constexpr auto pakko_describe(pakko::Tag<Bot>) { return pakko::record<Bot>("Bot", pakko::no_doc()); }
constexpr auto pakko_describe(pakko::Tag<Tcp>) {
    return pakko::wrapper<Tcp>("Tcp", pakko::no_doc(), pakko::field("options", &Tcp::options));
}
constexpr auto pakko_describe(pakko::Tag<Empty>) {
    return pakko::wrapper<Empty>("Empty", pakko::no_doc(), pakko::field("options", &Empty::options));
}
struct Entry {
    std::variant<Bot, Tcp, Empty> value;
    bool operator==(const Entry&) const = default;
};
constexpr auto pakko_describe(pakko::Tag<Entry>) { return pakko::one_of<Entry>("Entry", pakko::no_doc(), &Entry::value); }

using Config = tarnwick::FullOptions<Entry, fake::Options>;
using Create = tarnwick::game_init_config::Create<fake::Options>;
using tarnwick::game_init_config::LoadFrom;

using test_support::panic_message;

std::string bytes_text(const std::vector<std::byte>& bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

fs::path scratch(const std::string& name) {
    auto dir = fs::temp_directory_path() / ("config_files_test_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    return dir / name;
}

using test_support::read_file;

TEST(FullOptions, ReadsConfigurations) {
    const auto max = std::numeric_limits<std::uint64_t>::max();
    TcpPlayerOptions full_tcp{"localhost", 65535, 2.5, 0.5, "t"};
    struct Case {
        const char* json;
        Config expected;
    };
    const Case cases[] = {
        {R"({"game": {"Create": {"max_ticks": 3}}, "players": ["Bot", "Bot"]})",
         {std::nullopt, {Create{{3}}}, {{Bot{}}, {Bot{}}}}},
        {R"({"seed": null, "game": {"Create": {"max_ticks": 3}}, "players": []})", {std::nullopt, {Create{{3}}}, {}}},
        {R"({"seed": 18446744073709551615, "game": {"LoadFrom": "saved.json"}, "players": []})",
         {max, {LoadFrom{"saved.json"}}, {}}},
        {R"({"game": {"Create": {"max_ticks": 1}}, "players": [{"Tcp": {"port": 31001}}]})",
         {std::nullopt, {Create{{1}}}, {{Tcp{{std::nullopt, 31001, std::nullopt, std::nullopt, std::nullopt}}}}}},
        {R"({"game": {"Create": {"max_ticks": 1}}, "players": [{"Tcp": {"port": 0, "name": "skipped"}}]})",
         {std::nullopt, {Create{{1}}}, {{Tcp{{std::nullopt, 0, std::nullopt, std::nullopt, std::nullopt}}}}}},
        {R"({"game": {"Create": {"max_ticks": 1}},
             "players": [{"Tcp": ["localhost", 65535, 2.5, 0.5, "t"]}]})",
         {std::nullopt, {Create{{1}}}, {{Tcp{full_tcp}}}}},
        {R"({"game": {"Create": {"max_ticks": 1}}, "players": [{"Empty": null}, {"Bot": null}]})",
         {std::nullopt, {Create{{1}}}, {{Empty{}}, {Bot{}}}}},
        {R"([7, {"Create": {"max_ticks": 1}}, ["Bot"]])", {7, {Create{{1}}}, {{Bot{}}}}},
        {R"({"players": [], "comment": "skipped", "game": {"Create": {"max_ticks": 2}}})",
         {std::nullopt, {Create{{2}}}, {}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.json);
        try {
            EXPECT_EQ(pakko::json::parse<Config>(c.json), c.expected);
        } catch (const std::exception& error) {
            ADD_FAILURE() << error.what();
        }
    }
}

TEST(FullOptions, RefusesBadConfigurations) {
    struct Case {
        const char* json;
        const char* error_part;  // a part of the reader's message
    };
    const Case cases[] = {
        {R"({"seed": -1, "game": {"Create": {"max_ticks": 1}}, "players": []})", ""},
        {R"({"game": {"Create": {"max_ticks": 1}}, "players": [{"Tcp": {"port": 65536}}]})", ""},
        {R"({"game": {"Create": {"max_ticks": 1}}, "players": [{"Tcp": {"port": -1}}]})", ""},
        {R"({"game": {"Create": {"max_ticks": 1}}, "players": [{"Tcp": {}}]})", "port"},
        {R"({"game": {"Create": {"max_ticks": 1}}, "players": ["Empty"]})", ""},
        {R"({"game": {"Create": {"max_ticks": 1}}, "players": ["Tcp"]})", ""},
        {R"({"game": "Create", "players": []})", ""},
        {R"({"game": "LoadFrom", "players": []})", ""},
        {R"({"game": {"Create": {"max_ticks": 1}}, "players": ["Robot"]})",
         "unknown variant `Robot`, expected one of `Bot`, `Tcp`, `Empty`"},
        {R"({"game": {"Create": {"max_ticks": 1}}, "players": [{"Robot": null}]})",
         "unknown variant `Robot`, expected one of `Bot`, `Tcp`, `Empty`"},
        {R"({"game": {"Robot": null}, "players": []})", "unknown variant `Robot`, expected one of `LoadFrom`, `Create`"},
        {R"({"game": {"Create": {"max_ticks": 1}}, "players": [5]})",
         "invalid type: integer `5`, expected variant identifier"},
        {R"({"game": {"Create": {"max_ticks": 1}}, "players": [{}]})", "invalid type: map, expected variant identifier"},
        {R"({"game": {"Create": {"max_ticks": 1}}, "players": [{"Bot": null, "Empty": null}]})",
         "invalid type: map, expected variant identifier"},
        {R"({"game": null, "players": []})", "invalid type: null, expected variant identifier"},
        {R"({"game": {"Create": {"max_ticks": 1}}, "players": [{"Bot": 1}]})", "invalid type: integer `1`, expected unit"},
        {R"({"game": {"Create": {"max_ticks": 1}}, "players": [{"Bot": {}}]})", "invalid type: map, expected unit"},
        {R"({"game": {"Create": {"max_ticks": 1}}, "players": [{"Bot": []}]})", "invalid type: sequence, expected unit"},
        {R"({"game": {"Create": {"max_ticks": 1}}, "players": [{"Empty": 5}]})",
         "invalid type: integer `5`, expected unit struct EmptyPlayerOptions"},
        {R"({"game": {"Create": {"max_ticks": 1}}, "players": [{"Empty": {}}]})",
         "invalid type: map, expected unit struct EmptyPlayerOptions"},
        {R"({"game": {"Create": {"max_ticks": 1}}, "players": [{"Empty": []}]})",
         "invalid type: sequence, expected unit struct EmptyPlayerOptions"},
        {R"({"players": []})", "game"},
        {R"({"game": {"Create": {"max_ticks": 1}}, "players": [], "players": []})", "players"},
        {R"([7, {"Create": {"max_ticks": 1}}])", "struct FullOptions with 3 elements"},
        {R"({"game": {"Create": {"max_ticks": 1}}, "players": [{"Tcp": [null, 1]}]})",
         "struct TcpPlayerOptions with 5 elements"},
        {R"("config")", "struct FullOptions"},
        {R"({"game": {"Create": {"max_ticks": 1}}, "players": [{"Tcp": 5}]})", "struct TcpPlayerOptions"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.json);
        try {
            pakko::json::parse<Config>(c.json);
            ADD_FAILURE() << "accepted";
        } catch (const pakko::json::Error& error) {
            EXPECT_NE(std::string(error.what()).find(c.error_part), std::string::npos) << error.what();
        }
    }
}

TEST(FullOptions, SavesThePrettyFormAndReadsItBack) {
    Config config{std::nullopt,
                  {Create{{4}}},
                  {{Tcp{{std::nullopt, 31001, std::nullopt, std::nullopt, std::nullopt}}}, {Empty{}}, {Bot{}}}};
    std::vector<std::byte> bytes;
    pakko::VecWriter writer(bytes);
    tarnwick::save(config, writer);
    const std::string text = bytes_text(bytes);
    EXPECT_EQ(text, R"({
  "seed": null,
  "game": {
    "Create": {
      "max_ticks": 4
    }
  },
  "players": [
    {
      "Tcp": {
        "host": null,
        "port": 31001,
        "accept_timeout": null,
        "timeout": null,
        "token": null
      }
    },
    {
      "Empty": null
    },
    "Bot"
  ]
})");
    EXPECT_EQ(pakko::json::parse<Config>(text), config);

    Config loading{12, {LoadFrom{"saved game.json"}}, {}};
    std::vector<std::byte> again;
    pakko::VecWriter again_writer(again);
    tarnwick::save(loading, again_writer);
    EXPECT_EQ(pakko::json::parse<Config>(bytes_text(again)), loading);
}

TEST(FullOptions, PathThatIsNotUtf8CannotBeSaved) {
    Config config{std::nullopt, {LoadFrom{std::string("state\xff.json")}}, {}};
    std::vector<std::byte> bytes;
    pakko::VecWriter writer(bytes);
    try {
        tarnwick::save(config, writer);
        ADD_FAILURE() << "saved";
    } catch (const pakko::IoError& error) {
        EXPECT_STREQ(error.what(), "path contains invalid UTF-8 characters");
    }
    EXPECT_TRUE(bytes.empty());
}

TEST(FullOptions, Utf8Check) {
    struct Case {
        std::string text;
        bool valid;
    };
    const Case cases[] = {
        {"plain/path.json", true},  {"сохранение.json", true}, {"\xf0\x9f\x8e\xae", true},
        {"\xff", false},            {"\xc3", false},           {"\xc0\xaf", false},
        {"\xed\xa0\x80", false},    {"\xf4\x90\x80\x80", false}, {"\xe2\x82", false},
    };
    for (const auto& c : cases) EXPECT_EQ(tarnwick::is_valid_utf8(c.text), c.valid) << c.text;
}

TEST(GameInitConfig, CreateGivesTheOptions) {
    auto init = tarnwick::into_game_init<fake::Game>({Create{{9}}});
    ASSERT_TRUE(std::holds_alternative<fake::Options>(init));
    EXPECT_EQ(std::get<fake::Options>(init).max_ticks, 9u);
}

TEST(GameInitConfig, LoadFromReadsOneSavedState) {
    const fake::Game saved{4, 10, 77, {1, 2}};
    const std::string json = pakko::json::dump(saved);
    struct Case {
        std::string name;
        std::optional<std::string> content;  // absent: no file
        std::string stop;                     // empty: loads `saved`
        bool folder = false;                  // a folder in place of the file
    };
    const Case cases[] = {
        {"state.json", json, ""},
        {"spaced.json", "\n " + json + " \n\t", ""},
        {"trailing.json", json + " {}", "Failed to parse file: "},
        {"broken.json", "{\"tick\": 4", "Failed to parse file: "},
        {"empty.json", "", "Failed to parse file: "},
        {"missing.json", std::nullopt, "Failed to read file: No such file or directory (os error 2)"},
        // A folder opens but its bytes cannot be read.
        {"folder.json", std::nullopt, "Failed to parse file: Is a directory (os error 21)", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto path = scratch(c.name);
        fs::remove_all(path);
        if (c.content) std::ofstream(path, std::ios::binary) << *c.content;
        if (c.folder) fs::create_directories(path);
        if (c.stop.empty()) {
            auto init = tarnwick::into_game_init<fake::Game>({LoadFrom{path}});
            ASSERT_TRUE(std::holds_alternative<fake::Game>(init));
            EXPECT_EQ(std::get<fake::Game>(init), saved);
        } else {
            EXPECT_EQ(panic_message([&] { tarnwick::into_game_init<fake::Game>({LoadFrom{path}}); })
                          .rfind(c.stop, 0),
                      0u);
        }
    }
}

TEST(ResultsFile, WrittenInThePrettyFormWithoutFinalNewline) {
    const auto path = scratch("results.json");
    std::ofstream(path) << "an older and much longer file that must be truncated away";
    tarnwick::FullResults<std::vector<std::uint64_t>> results{
        {{false, std::nullopt}, {true, "Player crashed: IO error: gone"}}, {12, 0}, std::nullopt};
    tarnwick::results_writer<fake::Game>(path)(results);
    EXPECT_EQ(read_file(path), R"({
  "players": [
    {
      "crashed": false,
      "comment": null
    },
    {
      "crashed": true,
      "comment": "Player crashed: IO error: gone"
    }
  ],
  "results": [
    12,
    0
  ],
  "seed": null
})");
}

TEST(ResultsFile, FailuresStopTheProgram) {
    tarnwick::FullResults<std::vector<std::uint64_t>> results{{{false, std::nullopt}}, {1}, 5};
    EXPECT_EQ(panic_message([&] { tarnwick::write_results(scratch("no/such/folder/results.json"), results); })
                  .rfind("Failed to create results file: ", 0),
              0u);
    // The text fits the buffer, so only the checked flush can notice the full disk.
    EXPECT_EQ(panic_message([&] { tarnwick::write_results("/dev/full", results); })
                  .rfind("Failed to write results: ", 0),
              0u);
}

}  // namespace
