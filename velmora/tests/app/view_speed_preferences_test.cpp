// The view-speed slider of the game screen's panel, dragged with the mouse,
// ends up in the preferences file that the next run starts from.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include <pakko/json.hpp>

#include "game_log_fixture.hpp"
#include "screen_doubles.hpp"
#include "screen_fixture.hpp"

namespace {

using namespace velmora;
namespace events = vindle::events;
using History = GameScreen::History;

class ViewSpeedPreferences : public velmora::testing::ScreenTest {
protected:
    renderer::Preferences in_file() const {
        std::stringstream text;
        text << std::ifstream(doubles.folder.path / "preferences.json").rdbuf();
        return pakko::json::parse<renderer::Preferences>(text.str());
    }

    velmora::testing::ScreenDoubles doubles;
};

// In the 800 × 600 window the panel's speed control spans x 648-744 at the
// bottom; its slider shows once the cursor is over it, and its right end is
// the fastest setting, 2.
TEST_F(ViewSpeedPreferences, ASliderDragReachesThePreferencesFile) {
    const auto log = doubles.folder.path / "replay.log";
    velmora::testing::write_game_log(log, 2);
    GameScreen screen(engine.vindle, History::load(log), std::nullopt, doubles.renderer(), doubles.preferences());
    ovra::Framebuffer window(engine.vindle->ovra());
    screen.draw(window);
    EXPECT_EQ(in_file().view_speed_modifier, 0.0);

    screen.handle_event(events::MouseMove{{736, 32}});
    screen.handle_event(events::MouseDown{{736, 32}, events::MouseButton::Left});
    screen.handle_event(events::MouseUp{{736, 32}, events::MouseButton::Left});
    screen.update(0);
    screen.update(0);

    const renderer::Preferences stored = in_file();
    EXPECT_EQ(stored.view_speed_modifier, 2.0);
    EXPECT_EQ(stored.volume, 0.5);
}

}  // namespace
