#pragma once
// The debug overlay, wrapped around the state stack and toggled by F3: a
// frame-rate counter and the last log lines in white text at the top-left.
#include <deque>
#include <memory>
#include <mutex>
#include <string>

#include <kimbly/logger.hpp>
#include <kimbly/timer.hpp>

#include "vindle/font.hpp"
#include "vindle/state.hpp"
#include "vindle/ui/controller.hpp"

namespace vindle::debug_overlay {

// Lines shown, and lines kept while nobody takes them.
inline constexpr std::size_t CONSOLE_LINES = 10;

// Log lines on their way to the console, from any thread. Only the newest
// CONSOLE_LINES wait: older ones could never be shown, and a hidden overlay
// must not let the queue grow without bound.
class Channel {
public:
    void send(std::string line);
    std::deque<std::string> take_all();

private:
    std::mutex mutex_;
    std::deque<std::string> lines_;
};

// A log sink that sends "LEVEL - message" into a channel. It never logs.
class ConsoleSink final : public kimbly::logger::Sink {
public:
    explicit ConsoleSink(std::shared_ptr<Channel> channel) : channel_(std::move(channel)) {}
    bool enabled(const kimbly::logger::Metadata&) const override { return true; }
    void log(const kimbly::logger::Record& record) override;
    void flush() override {}

private:
    std::shared_ptr<Channel> channel_;
};

// The process's channel, fed by a sink registered with the process logger on
// first use. Never destroyed: threads may log until the process ends.
std::shared_ptr<Channel> process_channel();

class FpsCounter {
public:
    explicit FpsCounter(kimbly::timer::Timer::Now now) : timer_(std::move(now)) {}
    // Once per drawn frame while shown.
    void before_draw();
    const std::string& text() const { return text_; }

private:
    kimbly::timer::Timer timer_;
    double countdown_ = 1.0;
    std::uint64_t frames_ = 0;
    std::string text_ = "FPS";
};

class Console {
public:
    // Logs "Debug overlay initialized", which is the first line when the
    // channel is the process's.
    explicit Console(std::shared_ptr<Channel> channel);
    // Once per drawn frame while shown.
    void before_draw();
    const std::deque<std::string>& lines() const { return lines_; }

private:
    std::shared_ptr<Channel> channel_;
    std::deque<std::string> lines_;
};

class DebugOverlay final : public State {
public:
    DebugOverlay(std::shared_ptr<const font::Font> font, std::shared_ptr<Channel> channel, StateBox inner,
                 kimbly::timer::Timer::Now now = kimbly::timer::Timer::Clock::now);

    void update(double dt) override;
    void draw(ovra::Framebuffer& framebuffer) override;
    // F3 flips the overlay; every event, F3 too, then reaches the inner state.
    void handle_event(events::Event event) override;
    // The inner state's; only Pop or none may come from it.
    std::optional<Transition> transition() override;

    bool shown() const { return shown_; }
    const FpsCounter& fps() const { return fps_; }
    const Console& console() const { return console_; }

private:
    ui::WidgetBox ui() const;

    std::shared_ptr<const font::Font> font_;
    ui::Controller controller_;
    FpsCounter fps_;
    Console console_;
    StateBox inner_;
    bool shown_ = false;
};

}  // namespace vindle::debug_overlay
