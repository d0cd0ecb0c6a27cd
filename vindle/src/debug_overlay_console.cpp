#include <kimbly/logger.hpp>

#include "vindle/debug_overlay.hpp"

namespace vindle::debug_overlay {

void Channel::send(std::string line) {
    std::lock_guard lock(mutex_);
    lines_.push_back(std::move(line));
    if (lines_.size() > CONSOLE_LINES) lines_.pop_front();
}

std::deque<std::string> Channel::take_all() {
    std::lock_guard lock(mutex_);
    return std::exchange(lines_, {});
}

void ConsoleSink::log(const kimbly::logger::Record& record) {
    std::string line(kimbly::logger::level_name(record.level));
    line += " - ";
    line += record.message;
    channel_->send(std::move(line));
}

std::shared_ptr<Channel> process_channel() {
    static const auto* channel = [] {
        auto* made = new std::shared_ptr<Channel>(std::make_shared<Channel>());
        kimbly::logger::add_logger(std::make_unique<ConsoleSink>(*made));
        return made;
    }();
    return *channel;
}

Console::Console(std::shared_ptr<Channel> channel) : channel_(std::move(channel)) {
    kimbly::logger::info("vindle::debug_overlay::console", "Debug overlay initialized");
}

void Console::before_draw() {
    for (std::string& line : channel_->take_all()) lines_.push_back(std::move(line));
    while (lines_.size() > CONSOLE_LINES) lines_.pop_front();
}

}  // namespace vindle::debug_overlay
