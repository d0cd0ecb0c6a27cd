#pragma once
// A context over the recording fake, for tests without a display.
#include <memory>

#include "ovra/context.hpp"
#include "ovra/raw/recording_context.hpp"

namespace ovra::testing {

struct FakeGl {
    FakeGl() {
        auto raw = std::make_unique<ovra_raw::RecordingContext>();
        gl = raw.get();
        ovra = Ovra::create_with(std::move(raw));
        gl->calls.clear();
    }

    ovra_raw::RecordingContext* gl;
    OvraHandle ovra;
};

}  // namespace ovra::testing
