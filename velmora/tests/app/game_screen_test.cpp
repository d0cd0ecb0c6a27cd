#include <gtest/gtest.h>

#include <GLFW/glfw3.h>

#include <fstream>
#include <sstream>

#include <pakko/json.hpp>
#include <test_support/waits.hpp>

#include "game_log_fixture.hpp"
#include "screen_doubles.hpp"
#include "screen_fixture.hpp"

namespace {

using namespace velmora;
using vindle::events::Key;
using History = GameScreen::History;

// Waits until the history holds `count` states. Its readers and the match
// thread tell nobody what they stored: the history is asked, as the screen
// asks it each frame.
bool holds(const History& history, std::size_t count) {
    return test_support::poll_until([&] { return history.stored_states() >= count; }) &&
           history.stored_states() == count;
}

class GameScreenTest : public velmora::testing::ScreenTest {
protected:
    velmora::testing::ScreenDoubles doubles;
    vindle::testing::Journal& journal = *doubles.journal;

    std::unique_ptr<GameScreen> replay(int ticks) {
        const auto log = doubles.folder.path / "replay.log";
        velmora::testing::write_game_log(log, ticks);
        auto screen = std::make_unique<GameScreen>(engine.vindle, History::load(log), std::nullopt,
                                                   doubles.renderer(), doubles.preferences());
        EXPECT_TRUE(holds(screen->history(), static_cast<std::size_t>(ticks) + 1));
        return screen;
    }
    void hold_left_ctrl(bool held) {
        engine.window->inject(vindle::window::raw::KeyInput{GLFW_KEY_LEFT_CONTROL, "", held});
        engine.window->swap_buffers();
    }
    static vindle::events::Event key(Key k) { return vindle::events::KeyDown{k}; }
};

TEST_F(GameScreenTest, ItsOwnKeysNeverReachTheRendererAndStepsOnlyWhilePaused) {
    auto screen = replay(2);
    for (Key k : {Key::E, Key::S, Key::Left, Key::Right, Key::V}) screen->handle_event(key(k));
    screen->handle_event(vindle::events::MouseDown{{5, 5}, vindle::events::MouseButton::Left});
    EXPECT_EQ(journal, (vindle::testing::Journal{"key down E", "key down S", "key down Left", "key down Right",
                                                 "key down V", "down 0 (5.000000, 5.000000)"}));
    journal.clear();

    screen->handle_event(key(Key::P));
    EXPECT_TRUE(screen->paused());
    for (Key k : {Key::Left, Key::Right, Key::F, Key::F, Key::Space, Key::P}) screen->handle_event(key(k));
    EXPECT_TRUE(journal.empty());
    EXPECT_TRUE(screen->paused());
    EXPECT_FALSE(screen->transition().has_value());
    screen->handle_event(key(Key::Escape));
    EXPECT_TRUE(journal.empty());
    EXPECT_TRUE(std::holds_alternative<vindle::transition::Pop>(*screen->transition()));
}

TEST_F(GameScreenTest, LeftCtrlOpensTheSaveDialogsAndACancelWritesNothing) {
    auto screen = replay(2);
    hold_left_ctrl(true);
    screen->handle_event(key(Key::E));
    screen->handle_event(key(Key::S));
    hold_left_ctrl(false);
    EXPECT_TRUE(journal.empty());
    EXPECT_EQ(doubles.dialogs->asked,
              (std::vector<std::string>{"save Save game state game.json", "save Save game log game.log"}));
}

TEST_F(GameScreenTest, SavedStateAndLogReadBackAndAnUnwritablePathLeavesTheScreenPlaying) {
    auto screen = replay(3);
    screen->update(1.0);
    const auto state = doubles.folder.path / "game.json";
    const auto log = doubles.folder.path / "game.log";
    doubles.dialogs->answers = {state, log, doubles.folder.path / "missing" / "x.log"};
    hold_left_ctrl(true);
    for (Key k : {Key::E, Key::S, Key::S}) screen->handle_event(key(k));
    hold_left_ctrl(false);

    std::stringstream text;
    text << std::ifstream(state).rdbuf();
    EXPECT_EQ(pakko::json::parse<Game>(text.str()), screen->history().current_state().game);
    auto reloaded = History::load(log);
    EXPECT_TRUE(holds(reloaded, 4));
    EXPECT_FALSE(std::filesystem::exists(doubles.folder.path / "missing"));
    EXPECT_FALSE(screen->transition().has_value());
}

TEST_F(GameScreenTest, PausedAtThreePointFourLeftStepsBackToZeroAndRightStopsAtTheStoredEnd) {
    auto screen = replay(4);
    screen->update(1.7);
    EXPECT_DOUBLE_EQ(screen->time(), 3.4);
    screen->handle_event(key(Key::Space));
    for (double expected : {2.4, 1.4, 0.4, 0.0}) {
        screen->handle_event(key(Key::Left));
        EXPECT_DOUBLE_EQ(screen->time(), expected);
    }
    for (int i = 0; i < 7; ++i) screen->handle_event(key(Key::Right));
    EXPECT_EQ(screen->time(), 7.0);
    screen->update(0.1);
    EXPECT_EQ(screen->time(), 5.0);
}

TEST_F(GameScreenTest, ALiveMatchIsPlayedOneTickAheadOfTheShownTime) {
    GameScreen screen(engine.vindle, new_full(velmora::testing::quick_start_match(5)), doubles.renderer(),
                      doubles.preferences());
    // Once the match thread has done what a frame asked, a tick played too
    // early would be stored.
    screen.update(0);
    ASSERT_TRUE(test_support::poll_until([&] { return screen.match_idle(); }));
    EXPECT_EQ(screen.history().stored_states(), 1u);
    screen.update(0.1);
    EXPECT_TRUE(holds(screen.history(), 2));
    ASSERT_TRUE(test_support::poll_until([&] { return screen.match_idle(); }));
    EXPECT_EQ(screen.history().stored_states(), 2u);
    screen.update(1.0);
    EXPECT_TRUE(holds(screen.history(), 4));
}

}  // namespace
