#pragma once
// An engine context for tests of the engine and of the screens and renderers
// above it: a window fed only by injected raw events, over the recording GL
// or over a real context that a display test made current.
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include <ovra/raw/recording_context.hpp>

#include "vindle/context.hpp"
#include "vindle/window.hpp"

namespace vindle::testing {

class ScriptedWindow final : public window::Window {
public:
    kimbly::Vec2Usize real_size() const override { return size; }
    void set_fullscreen(bool fullscreen) override { fullscreen_ = fullscreen; }
    bool fullscreen() const { return fullscreen_; }

    kimbly::Vec2Usize size{800, 600};
    int presented = 0;
    // Runs at each present, before the pending events are collected.
    std::function<void(ScriptedWindow&)> on_present;

protected:
    void present() override {
        ++presented;
        if (on_present) on_present(*this);
    }
    std::vector<window::RawEvent> collect() override { return {}; }
};

// A context over a scripted window and `ovra`: the recording GL unless a
// display test gives its own.
struct FakeContext {
    FakeContext() : FakeContext(ovra::Ovra::create_with(std::make_unique<ovra_raw::RecordingContext>())) {}
    explicit FakeContext(ovra::OvraHandle ovra) {
        auto owned = std::make_unique<ScriptedWindow>();
        window = owned.get();
        vindle = Vindle::create_with(std::move(owned), std::move(ovra), ContextOptions{}, 1);
    }
    ScriptedWindow* window;
    std::shared_ptr<Vindle> vindle;
};

}  // namespace vindle::testing
