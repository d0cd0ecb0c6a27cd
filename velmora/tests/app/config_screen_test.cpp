#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "game_log_fixture.hpp"
#include "screen_doubles.hpp"
#include "screen_fixture.hpp"
#include "velmora/app/options_config.hpp"
#include "test_support/files.hpp"

namespace {

using namespace velmora;
using tarnwick::app::config_screen::ConfigButton;
using velmora::testing::click;

using test_support::read_file;

class ConfigScreenTest : public velmora::testing::ScreenTest {
protected:
    velmora::testing::ScreenDoubles doubles;
    std::unique_ptr<ConfigScreen> screen =
        new_config_screen(engine.vindle, theme, doubles.renderer(), doubles.preferences());

    // Clicks and lets the screen build its tree once, as a frame would.
    void press(ConfigButton which) {
        click(screen->button(which));
        screen->ui();
    }
    auto& editor() { return dynamic_cast<model::options::config::OptionsConfig&>(screen->editor()); }
    std::vector<std::string> row_names() {
        std::vector<std::string> names;
        for (auto& row : screen->rows()) names.push_back(row->config().name());
        return names;
    }
    // Every row a built-in player, so that START and "repeat a game" are offered.
    void make_rows_ready() {
        for (auto& row : screen->rows()) {
            while (row->index() != 2) {
                click(row->kind_button());
                row->ui();
            }
        }
        screen->ui();
    }
    std::filesystem::path file(const std::string& name, const std::string& content) {
        auto path = doubles.folder.path / name;
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }
};

TEST_F(ConfigScreenTest, TheInitialSaveConfigWritesKeyboardAndTcpOnTheFirstPreset) {
    const auto path = doubles.folder.path / "config.json";
    doubles.dialogs->answers.push_back(path);
    press(ConfigButton::SaveConfig);
    EXPECT_EQ(doubles.dialogs->asked, (std::vector<std::string>{"save save config config.json"}));
    EXPECT_EQ(read_file(path), R"({
  "seed": null,
  "game": {
    "Create": "Round1"
  },
  "players": [
    "Keyboard",
    {
      "Tcp": {
        "host": null,
        "port": 31001,
        "accept_timeout": null,
        "timeout": null,
        "token": null
      }
    }
  ]
})");
}

TEST_F(ConfigScreenTest, PlayersAreAddedUpToFourAsKeyboardsAndRemovedDownToTwo) {
    EXPECT_EQ(row_names(), (std::vector<std::string>{"keyboard", "TCP"}));
    press(ConfigButton::RemovePlayer);
    EXPECT_EQ(screen->rows().size(), 2u);
    for (int i = 0; i < 3; ++i) press(ConfigButton::AddPlayer);
    EXPECT_EQ(row_names(), (std::vector<std::string>{"keyboard", "TCP", "keyboard", "keyboard"}));
    press(ConfigButton::RemovePlayer);
    EXPECT_EQ(screen->rows().size(), 3u);
}

TEST_F(ConfigScreenTest, ThePresetButtonCyclesThroughTheThreePresets) {
    const model::OptionsPreset expected[] = {{model::Round2{}}, {model::Finals{}}, {model::Round1{}}};
    EXPECT_EQ(editor().get(), (model::OptionsPreset{model::Round1{}}));
    for (const auto& preset : expected) {
        click(editor().button());
        screen->ui();
        EXPECT_EQ(editor().get(), preset);
    }
}

TEST_F(ConfigScreenTest, ALoadedGameStateIsSavedAsItsPathAndACancelledLoadForgetsIt) {
    const auto state = file("state.json", "{}");
    doubles.dialogs->answers.push_back(state);
    press(ConfigButton::LoadGameState);
    EXPECT_EQ(screen->loaded_state(), state);
    const auto saved = doubles.folder.path / "saved.json";
    doubles.dialogs->answers.push_back(saved);
    press(ConfigButton::SaveConfig);
    EXPECT_NE(read_file(saved).find("\"LoadFrom\": \"" + state.string() + "\""), std::string::npos);

    press(ConfigButton::LoadGameState);
    EXPECT_EQ(screen->loaded_state(), std::nullopt);
    EXPECT_EQ(doubles.dialogs->asked.front(), "open Load game state");
}

TEST_F(ConfigScreenTest, StartWaitsForEveryPlayerAndThenPushesALiveMatch) {
    EXPECT_FALSE(screen->rows()[1]->config().ready());
    make_rows_ready();
    ASSERT_TRUE(screen->rows()[0]->config().ready());
    click(screen->button(ConfigButton::Start));
    auto next = screen->transition();
    ASSERT_TRUE(next.has_value());
    auto* push = std::get_if<vindle::transition::Push>(&*next);
    ASSERT_NE(push, nullptr);
    EXPECT_NE(dynamic_cast<GameScreen*>(push->state.get()), nullptr);
}

TEST_F(ConfigScreenTest, WatchingAGameLogPushesItsReplay) {
    const auto log = doubles.folder.path / "game.log";
    velmora::testing::write_game_log(log, 3);
    doubles.dialogs->answers.push_back(log);
    click(screen->button(ConfigButton::WatchReplay));
    auto next = screen->transition();
    ASSERT_TRUE(next.has_value());
    EXPECT_TRUE(std::holds_alternative<vindle::transition::Push>(*next));
    EXPECT_EQ(doubles.dialogs->asked, (std::vector<std::string>{"open Select file to replay"}));
}

// Every file chosen in a dialog that cannot serve is refused: the screen
// stays, nothing stops the program, and the rows keep their players. Why it
// was refused stays on the screen until the next click of one of its buttons.
TEST_F(ConfigScreenTest, AFileThatCannotServeLeavesTheScreenWhereItWasAndSaysWhy) {
    make_rows_ready();
    const auto missing = doubles.folder.path / "missing";
    const auto text = file("text.json", "not a game log at all");
    const auto game_log = doubles.folder.path / "two.log";
    velmora::testing::write_game_log(game_log, 1);
    const std::filesystem::path not_utf8 = doubles.folder.path / std::string("\xff\xfe.log");
    std::filesystem::copy_file(game_log, not_utf8);
    struct Case {
        std::string name;
        ConfigButton button;
        std::optional<std::filesystem::path> loaded_state;
        std::filesystem::path chosen;
        std::string shown;  // the start of the message
    };
    const Case cases[] = {
        {"replay that does not exist", ConfigButton::WatchReplay, std::nullopt, missing, "Failed to load replay: "},
        {"replay that is not a game log", ConfigButton::WatchReplay, std::nullopt, text, "Failed to load replay: "},
        {"replay path that is not UTF-8", ConfigButton::WatchReplay, std::nullopt, not_utf8,
         "Failed to load replay: path contains invalid UTF-8 characters"},
        {"repeat of a file that does not exist", ConfigButton::RepeatGame, std::nullopt, missing,
         "Failed to open game log file: "},
        {"repeat of a file that is not a game log", ConfigButton::RepeatGame, std::nullopt, text,
         "Failed to read game log: "},
        {"start from a state that does not exist", ConfigButton::Start, missing, {}, "Failed to read file: "},
        {"start from a state that does not parse", ConfigButton::Start, text, {}, "Failed to parse file: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.loaded_state) {
            doubles.dialogs->answers.push_back(c.loaded_state);
            press(ConfigButton::LoadGameState);
        }
        if (!c.chosen.empty()) doubles.dialogs->answers.push_back(c.chosen);
        click(screen->button(c.button));
        EXPECT_FALSE(screen->transition().has_value());
        EXPECT_TRUE(doubles.dialogs->answers.empty());
        ASSERT_TRUE(screen->refusal().has_value());
        EXPECT_EQ(screen->refusal()->rfind(c.shown, 0), 0u) << *screen->refusal();
        screen->ui();
        EXPECT_TRUE(screen->refusal().has_value()) << "frames alone keep it";
        doubles.dialogs->answers.push_back(std::nullopt);
        press(ConfigButton::LoadGameState);
        EXPECT_FALSE(screen->refusal().has_value());
    }
}

// A saved state seats exactly its own players: with fewer rows its other
// players would never be asked, with more there is no seat for a row.
TEST_F(ConfigScreenTest, StartFromASavedStateNeedsOnePlayerPerRow) {
    make_rows_ready();
    struct Case {
        std::size_t players;
        std::optional<std::string> refusal;
    };
    const Case cases[] = {
        {1, "Failed to parse file: the game state has 1 players, fewer than the 2 players chosen"},
        {2, std::nullopt},
        {4, "Failed to parse file: the game state has 4 players, more than the 2 players chosen"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.players);
        doubles.dialogs->answers.push_back(
            file(std::to_string(c.players) + ".json", velmora::testing::saved_first_state(c.players)));
        press(ConfigButton::LoadGameState);
        click(screen->button(ConfigButton::Start));
        EXPECT_EQ(screen->transition().has_value(), !c.refusal.has_value());
        EXPECT_EQ(screen->refusal(), c.refusal);
    }
}

TEST_F(ConfigScreenTest, AConfigThatCannotBeWrittenIsNotReportedAsSavedAndTheScreenSaysSo) {
    doubles.dialogs->answers.push_back(doubles.folder.path / "no such folder" / "config.json");
    press(ConfigButton::SaveConfig);
    EXPECT_FALSE(std::filesystem::exists(doubles.folder.path / "no such folder"));
    EXPECT_FALSE(screen->transition().has_value());
    ASSERT_TRUE(screen->refusal().has_value());
    EXPECT_EQ(screen->refusal()->rfind("Failed to save config: ", 0), 0u) << *screen->refusal();
    press(ConfigButton::AddPlayer);
    EXPECT_FALSE(screen->refusal().has_value());
}

}  // namespace
