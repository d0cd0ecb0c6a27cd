#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include <pakko/pakko.hpp>
#include <pakko/schema.hpp>

#include "tarnwick/debug.hpp"
#include "tarnwick/game.hpp"
#include "tarnwick/player.hpp"

namespace toy {

struct Note {
    std::int32_t value = 0;
    bool operator==(const Note&) const = default;
};
constexpr auto pakko_describe(pakko::Tag<Note>) {
    return pakko::record<Note>("Note", pakko::no_doc(), pakko::field("value", &Note::value));
}

// A counter game: each answering player adds one; over at ten.
struct Counter {
    std::int32_t total = 0;
    bool operator==(const Counter&) const = default;
};
constexpr kimbly::DeltaKind kimbly_delta(pakko::Tag<Counter>) { return kimbly::DeltaKind::FullCopy; }

}  // namespace toy

template <>
struct tarnwick::GameTraits<toy::Counter> {
    using Options = std::int32_t;
    using OptionsPreset = std::int32_t;
    using PlayerOptions = std::int32_t;
    using Action = bool;
    using Event = std::int32_t;
    using PlayerView = std::int32_t;
    using Results = std::vector<std::int32_t>;
    using DebugData = toy::Note;
    using DebugState = std::string;

    static toy::Counter init(kimbly::rng::Rng&, std::size_t, Options start) { return {start}; }
    static PlayerView player_view(const toy::Counter& game, std::size_t) { return game.total; }
    static std::vector<Event> process_turn(toy::Counter& game, kimbly::rng::Rng&, std::map<std::size_t, Action>& actions) {
        for (const auto& [index, add] : actions)
            if (add) ++game.total;
        return {game.total};
    }
    static bool finished(const toy::Counter& game) { return game.total >= 10; }
    static Results results(const toy::Counter& game) { return {game.total}; }
};

namespace tarnwick {
namespace {

static_assert(Game<toy::Counter>);
static_assert(!Game<int>);
static_assert(std::is_abstract_v<player::Player<toy::Counter>>);

using Command = debug::DebugCommand<toy::Note>;

std::vector<std::byte> bytes(std::initializer_list<int> values) {
    std::vector<std::byte> out;
    for (int v : values) out.push_back(static_cast<std::byte>(v));
    return out;
}

std::string read_error(std::vector<std::byte> data) {
    try {
        pakko::from_bytes<Command>(data);
    } catch (const pakko::IoError& error) {
        return error.what();
    }
    return "<no error>";
}

TEST(DebugCommand, BinaryForm) {
    struct Case {
        const char* name;
        Command command;
        std::vector<std::byte> data;
    };
    std::vector<Case> cases = {
        {"add", {debug::Add<toy::Note>{{5}}}, bytes({0, 0, 0, 0, 5, 0, 0, 0})},
        {"clear", {debug::Clear{}}, bytes({1, 0, 0, 0})},
        {"auto flush on", {debug::SetAutoFlush{true}}, bytes({2, 0, 0, 0, 1})},
        {"flush", {debug::Flush{}}, bytes({3, 0, 0, 0})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(pakko::to_bytes(c.command), c.data);
        EXPECT_EQ(pakko::from_bytes<Command>(c.data), c.command);
    }
    EXPECT_EQ(read_error(bytes({7, 0, 0, 0})), "Unexpected tag 7");
    EXPECT_EQ(read_error(bytes({0xFF, 0xFF, 0xFF, 0xFF})), "Unexpected tag -1");
    EXPECT_EQ(read_error(bytes({2, 0, 0, 0, 2})), "Bool value should be 0 or 1");
}

TEST(DebugCommand, SchemaVariantsAndTexts) {
    auto schema = pakko::create_schema<Command>();
    const auto* one_of = schema.get_if<pakko::Schema::OneOf>();
    ASSERT_NE(one_of, nullptr);
    EXPECT_EQ(one_of->base_name, pakko::Name("DebugCommand"));
    EXPECT_EQ(one_of->documentation.get("en"), "Debug commands that can be sent while debugging with the app");
    EXPECT_EQ(one_of->documentation.get("ru"), "Команды, которые могут быть отправлены приложению для помощи в отладке");
    struct Row {
        const char* name;
        const char* en;
        const char* ru;
        const char* field_en;
        const char* field_ru;
    };
    std::vector<Row> rows = {
        {"Add", "Add debug data to current tick", "Добавить отладочные данные в текущий тик", "Data to add",
         "Данные для добавления"},
        {"Clear", "Clear current tick's debug data", "Очистить отладочные данные текущего тика", nullptr, nullptr},
        {"SetAutoFlush", "Enable/disable auto performing of commands",
         "Включить/выключить автоматическое выполнение команд", "Enable/disable autoflush",
         "Включить/выключить автоматическое выполнение"},
        {"Flush", "Perform all previously sent commands", "Выполнить все присланные ранее команды", nullptr, nullptr},
    };
    ASSERT_EQ(one_of->variants.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& variant = one_of->variants[i];
        SCOPED_TRACE(rows[i].name);
        EXPECT_EQ(variant.name, pakko::Name(rows[i].name));
        EXPECT_EQ(variant.documentation.languages.at(0).language, "en");
        EXPECT_EQ(variant.documentation.get("en"), rows[i].en);
        EXPECT_EQ(variant.documentation.get("ru"), rows[i].ru);
        if (rows[i].field_en == nullptr) {
            EXPECT_TRUE(variant.fields.empty());
        } else {
            ASSERT_EQ(variant.fields.size(), 1u);
            EXPECT_EQ(variant.fields[0].documentation.get("en"), rows[i].field_en);
            EXPECT_EQ(variant.fields[0].documentation.get("ru"), rows[i].field_ru);
        }
    }
}

TEST(DebugInterface, PassesIndexAndFlagToTheHandlers) {
    std::vector<std::pair<std::size_t, bool>> seen;
    player::DebugHandlersOf<toy::Counter> handlers{
        [&](std::size_t index, bool in_update, Command) { seen.emplace_back(index, in_update); },
        [](std::size_t index) { return "state of " + std::to_string(index); }};
    player::DebugInterfaceOf<toy::Counter> during_update(2, handlers, true);
    during_update.send(Command{debug::Clear{}});
    EXPECT_EQ(during_update.get_state(), "state of 2");
    player::DebugInterfaceOf<toy::Counter> during_action(1, handlers, false);
    during_action.send(Command{debug::Flush{}});
    EXPECT_EQ(seen, (std::vector<std::pair<std::size_t, bool>>{{2, true}, {1, false}}));
}

TEST(PlayerError, DisplaysTheIoError) {
    player::PlayerError error(pakko::IoError(pakko::ErrorKind::Other, "IO error: refused"));
    EXPECT_EQ(std::string(error.what()), "IO error: IO error: refused");
    EXPECT_EQ(error.io_error().kind(), pakko::ErrorKind::Other);
}

}  // namespace
}  // namespace tarnwick
