// Debug data from player programs that send far too much: the viewer keeps
// what a screen can show, within a bound per player and tick and per match,
// and still draws what it kept.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <tarnwick/app/history/history.hpp>
#include <test_support/log_capture.hpp>

#include "velmora/game.hpp"
#include "velmora/model/init.hpp"
#include "velmora/renderer/debug_items.hpp"
#include "velmora/renderer/game_history.hpp"
#include "velmora/renderer/renderer_camera.hpp"

namespace viewer_debug_data {
namespace {

namespace history = tarnwick::app::history;
namespace debug = velmora::renderer::debug;
using velmora::model::DebugData;
using History = velmora::GameHistory;
using Command = tarnwick::debug::DebugCommand<DebugData>;
using Send = std::function<void(std::size_t player, bool in_debug_update, DebugData data)>;

constexpr std::size_t MIB = std::size_t{1} << 20;

velmora::Game first_state() {
    velmora::model::Options options{30, 25, 50, 0, 500, false, {}};
    auto rng = kimbly::rng::ChaCha20Rng::seed_from_u64(3);
    return velmora::model::init(rng, 2, options);
}

DebugData log_line(std::string text) { return {DebugData::Log{std::move(text)}}; }
DebugData placed(std::string text) { return {DebugData::PlacedText{{std::nullopt, {10, 10}, {1, 1, 1, 1}}, std::move(text), 0, 16}}; }
// Whole lines of a little less than `bytes` by the measure the bounds use.
DebugData lines_of(std::size_t bytes) {
    const velmora::model::ColoredVertex vertex{kimbly::Vec2F32{1, 2}, {0, 0}, {1, 0, 0, 1}};
    return {DebugData::Primitives{std::vector(bytes / pakko::measured_size(vertex) / 2 * 2, vertex)}};
}

struct Kept {
    std::size_t items;
    std::size_t longest_text;
};

Kept kept(const history::DebugDataMap<DebugData>& map, std::size_t player) {
    Kept found{0, 0};
    auto it = map.find(player);
    if (it == map.end()) return found;
    for (const auto& item : it->second.shown) {
        ++found.items;
        if (const auto* log = std::get_if<DebugData::Log>(&item.value)) found.longest_text = std::max(found.longest_text, log->text.size());
        if (const auto* text = std::get_if<DebugData::PlacedText>(&item.value)) found.longest_text = std::max(found.longest_text, text->text.size());
    }
    return found;
}

TEST(HostileDebugData, TheViewerKeepsWhatAScreenShowsWithinBoundsAndDrawsIt) {
    struct Case {
        const char* name;
        int ticks;
        // Sends player 1's data while the tick is looked at.
        std::function<void(const Send&, int tick)> send;
        // Player 1's kept items in the last tick's map and in the debug updates' map.
        Kept last_tick;
        Kept debug_updates;
        std::vector<std::string> warnings;
    };
    const std::string per_tick_warning =
        "WARN Player 1 sent more than 4194304 bytes of debug data for one tick; the rest is dropped";
    const Case cases[] = {
        {"a log line of 7 MiB", 1, [](const Send& send, int) { send(1, false, log_line(std::string(7 * MIB, 'x'))); },
         {1, debug::MAX_TEXT_BYTES}, {0, 0}, {}},
        {"a placed text of 7 MiB in a debug update", 1,
         [](const Send& send, int) { send(1, true, placed(std::string(7 * MIB, 'x'))); }, {0, 0},
         {1, debug::MAX_TEXT_BYTES}, {}},
        // 'é' is two bytes: the cut must not split one.
        {"a long text of two-byte characters", 1,
         [](const Send& send, int) {
             std::string text = "a";
             for (int i = 0; i < 3000; ++i) text += "\xC3\xA9";
             send(1, false, log_line(text));
         },
         {1, debug::MAX_TEXT_BYTES - 1}, {0, 0}, {}},
        {"1 MiB of lines per tick, 6 at a time", 2,
         [](const Send& send, int) {
             for (int i = 0; i < 6; ++i) send(1, false, lines_of(MIB));
         },
         {4, 0}, {0, 0}, {per_tick_warning, per_tick_warning}},
        {"1 MiB of lines per debug update without a clear", 3,
         [](const Send& send, int) {
             for (int i = 0; i < 2; ++i) send(1, true, lines_of(MIB));
         },
         {0, 0}, {4, 0}, {per_tick_warning}},
        {"3 MiB of lines in every tick of a long match", 30, [](const Send& send, int) { send(1, false, lines_of(3 * MIB)); },
         {0, 0}, {0, 0},
         {"WARN Player 1 sent more than 67108864 bytes of debug data in this match; the rest is dropped"}},
    };
    for (const auto& c : cases) {
        IN_CHILD_WITH_LOG(kimbly::logger::LevelFilter::Warn, ([&] {
            SCOPED_TRACE(c.name);
            const velmora::Game first = first_state();
            History history(first);
            auto command = history.debug_command_handler();
            const Send send = [&](std::size_t player, bool in_debug_update, DebugData data) {
                command(player, in_debug_update, Command{tarnwick::debug::Add<DebugData>{std::move(data)}});
            };
            auto push = history.tick_handler();
            for (int tick = 0; tick < c.ticks; ++tick) {
                send(0, false, log_line("player 0 is well behaved"));
                c.send(send, tick);
                if (tick + 1 < c.ticks) push(first, {});
            }
            history.go_to(static_cast<double>(c.ticks), false);
            const auto state = history.current_state();
            const Kept tick = kept(state.debug_data, 1);
            const Kept updates = kept(state.debug_update_data, 1);
            EXPECT_EQ(tick.items, c.last_tick.items);
            EXPECT_EQ(tick.longest_text, c.last_tick.longest_text);
            EXPECT_EQ(updates.items, c.debug_updates.items);
            EXPECT_EQ(updates.longest_text, c.debug_updates.longest_text);
            EXPECT_EQ(kept(state.debug_data, 0).items, 1u) << "the other player keeps its own";
            EXPECT_EQ(test_support::LogCapture::records("tarnwick::app::history"), c.warnings);

            // What was kept still draws.
            const debug::View view{30, velmora::renderer::default_camera_for_map(30), {800, 600}};
            const auto items = debug::frame_items(state.debug_data, state.debug_update_data, view);
            EXPECT_EQ(items.size(), 1 + c.last_tick.items + c.debug_updates.items);
        }));
    }
}

// A frame shapes no more text than its window holds, however many texts
// the players keep; log lines below the window are not shaped at all.
TEST(HostileDebugData, AFrameShapesNoMoreTextThanItsWindowHolds) {
    history::DebugDataMap<DebugData> current;
    for (int i = 0; i < 100; ++i) current[0].shown.push_back(log_line(std::string(debug::MAX_TEXT_BYTES, 'x')));
    for (int i = 0; i < 100; ++i) current[1].shown.push_back(placed(std::string(debug::MAX_TEXT_BYTES, 'y')));
    for (const kimbly::Vec2Usize size : {kimbly::Vec2Usize{800, 600}, kimbly::Vec2Usize{64, 64}, kimbly::Vec2Usize{1, 1}}) {
        const debug::View view{30, velmora::renderer::default_camera_for_map(30), size};
        std::size_t shaped = 0;
        for (const auto& item : debug::frame_items(current, {}, view)) {
            if (const auto* line = std::get_if<debug::LogLine>(&item)) {
                shaped += line->text.size();
                EXPECT_GE(line->position.y, -debug::LOG_TEXT_SIZE);
            }
            if (const auto* label = std::get_if<debug::Label>(&item)) shaped += label->text.size();
        }
        // The texts are more than any of these windows hold.
        EXPECT_EQ(shaped, debug::frame_text_budget(size)) << size.x;
    }
}

}  // namespace
}  // namespace viewer_debug_data
