#pragma once
// Shown ticks for the views' tests: two game states with the renderer data
// the history would keep for them, seen at a chosen playback fraction.
#include <utility>
#include <vector>

#include "model_fixture.hpp"
#include "velmora/model/init.hpp"
#include "velmora/renderer/broken_data.hpp"
#include "velmora/renderer/draw_args.hpp"

namespace velmora::renderer::testing {

struct Tick {
    model::Model previous;
    model::Model shown;
    std::vector<model::Event> events;
    space::RendererData previous_data;
    space::RendererData shown_data;
    tarnwick::app::history::DebugDataMap<model::DebugData> debug;
    BrokenDataLog log;

    Tick(model::Model before, model::Model after, std::vector<model::Event> tick_events = {})
        : previous(std::move(before)), shown(std::move(after)), events(std::move(tick_events)) {
        previous_data = space::create_renderer_data(previous);
        shown_data = previous_data;
        space::update_renderer_data(shown_data, events, previous, shown);
    }

    CurrentState at(double t) const {
        return CurrentState{shown, shown_data, debug, {{previous, previous_data, debug}}, {}, t, events};
    }
};

inline model::Model next_tick(const model::Model& state) {
    model::Model next = state;
    ++next.current_tick;
    return next;
}

}  // namespace velmora::renderer::testing
