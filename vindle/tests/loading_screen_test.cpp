#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include <kimbly/panic.hpp>
#include <test_support/panic_message.hpp>
#include <vindle/testing/asset_fixture.hpp>

#include "vindle/loading_screen.hpp"
#include "vindle/obj_asset.hpp"

namespace {

using vindle::StateBox;
using vindle::StateManager;
using vindle::asset::AssetError;
using vindle::asset::AssetResult;

// What happened in the frames, in order.
using Journal = std::vector<std::string>;

class Recording final : public vindle::State {
public:
    Recording(std::string name, Journal& journal) : name_(std::move(name)), journal_(journal) {}
    void update(double) override { journal_.push_back(name_ + " update"); }
    void draw(ovra::Framebuffer&) override { journal_.push_back(name_ + " draw"); }
    void handle_event(vindle::events::Event) override { journal_.push_back(name_ + " event"); }
    std::optional<vindle::Transition> transition() override { return std::nullopt; }

private:
    std::string name_;
    Journal& journal_;
};

// Pending until the test gives it a result.
class Manual final : public vindle::asset::AssetFuture<int> {
public:
    explicit Manual(Journal& journal) : journal_(journal) {}
    std::optional<AssetResult<int>> poll() override {
        journal_.push_back("poll");
        return std::exchange(result, std::nullopt);
    }
    std::optional<AssetResult<int>> result;

private:
    Journal& journal_;
};

struct Screen {
    Screen() {
        auto future = std::make_unique<Manual>(journal);
        manual = future.get();
        auto continuation = [this](AssetResult<int> result) -> StateBox {
            journal.push_back(result.ok() ? "continue with " + std::to_string(result.value())
                                          : std::string("continue with error ") + result.error().what());
            return std::make_unique<Recording>("next", journal);
        };
        stack.push(std::make_unique<vindle::LoadingScreen<int>>(std::move(future), continuation,
                                                                std::make_unique<Recording>("picture", journal)));
    }

    // One frame as the main loop runs it.
    void frame() {
        stack.handle_event(vindle::events::KeyDown{vindle::events::Key::F3});
        stack.update(0.016);
        stack.draw(framebuffer);
    }

    asset_test::FakeEngine engine;
    ovra::Framebuffer framebuffer{engine.ovra()};
    Journal journal;
    Manual* manual;
    StateManager stack;
};

TEST(LoadingScreen, DrawsItsPictureAndDropsEventsWhilePending) {
    Screen screen;
    screen.frame();
    screen.frame();
    EXPECT_EQ(screen.journal, (Journal{"poll", "picture draw", "poll", "picture draw"}));
}

TEST(LoadingScreen, SwitchesOnceAndTheNextScreenIsDrawnInTheSameFrame) {
    struct Case {
        const char* name;
        AssetResult<int> result;
        std::string continued;
    };
    const Case cases[] = {
        {"value", 7, "continue with 7"},
        {"error", AssetError("a.png", {"gone"}), "continue with error a.png: gone"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Screen screen;
        screen.frame();
        screen.manual->result = c.result;
        screen.frame();
        screen.frame();
        EXPECT_EQ(screen.journal, (Journal{"poll", "picture draw", "poll", c.continued, "next draw", "next event",
                                           "next update", "next draw"}));
    }
}

TEST(LoadingScreen, AMalformedModelStopsTheProgramNamingFileAndLine) {
    asset_test::Folder folder;
    asset_test::FakeEngine engine;
    std::string path = folder.write("ship.obj", "v 0 0 0\nvt 0 0\nf 1/1 1/1 1/1\n");
    auto future = vindle::asset::LoadAsset<vindle::obj::Meshes>::load(engine, path);
    // Start-up's continuation.
    auto continuation = [](AssetResult<vindle::obj::Meshes> result) -> StateBox {
        kimbly::expect([&] { return result.take(); }, "Failed to load assets");
        return nullptr;
    };
    vindle::LoadingScreen<vindle::obj::Meshes> screen(std::move(future), continuation,
                                                     std::make_unique<vindle::EmptyLoadingScreen>());
    // Shutting the pool down waits for the load, whose result the next frame
    // takes.
    engine.thread_pool().shutdown();
    std::string stop = test_support::panic_message([&] { screen.transition(); });
    EXPECT_EQ(stop, "Failed to load assets: " + path + ": line 3: a face corner lacks a normal index");
}

}  // namespace
