#pragma once
// One tick of a game log: the tick's events, then the delta from the state
// before it. A log is the initial Model followed by these frames, with no
// header or framing of its own.
#include <vector>

#include <pakko/describe.hpp>

#include "velmora/model/model.hpp"

namespace velmora::model {

struct TickFrame {
    std::vector<Event> events;
    ModelDelta delta;

    bool operator==(const TickFrame&) const = default;
};

constexpr auto pakko_describe(pakko::Tag<TickFrame>) {
    return pakko::record<TickFrame>("TickFrame", pakko::no_doc(), pakko::field("events", &TickFrame::events),
                                    pakko::field("delta", &TickFrame::delta));
}

}  // namespace velmora::model
