#pragma once
// What a player program may ask of the viewer's debug facilities.
#include <cstddef>
#include <functional>
#include <utility>
#include <variant>

#include <pakko/describe.hpp>

namespace tarnwick::debug {

template <class Data>
struct Add {
    Data data;
    bool operator==(const Add&) const = default;
};
struct Clear {
    bool operator==(const Clear&) const = default;
};
struct SetAutoFlush {
    bool enable = false;
    bool operator==(const SetAutoFlush&) const = default;
};
struct Flush {
    bool operator==(const Flush&) const = default;
};

template <class Data>
struct DebugCommand {
    std::variant<Add<Data>, Clear, SetAutoFlush, Flush> value;
    bool operator==(const DebugCommand&) const = default;
};

template <class Data>
constexpr auto pakko_describe(pakko::Tag<Add<Data>>) {
    using pakko::doc, pakko::en, pakko::ru;
    return pakko::record<Add<Data>>(
        "Add", doc(en("Add debug data to current tick"), ru("Добавить отладочные данные в текущий тик")),
        pakko::field("data", &Add<Data>::data, doc(en("Data to add"), ru("Данные для добавления"))));
}

constexpr auto pakko_describe(pakko::Tag<Clear>) {
    using pakko::doc, pakko::en, pakko::ru;
    return pakko::record<Clear>(
        "Clear", doc(en("Clear current tick's debug data"), ru("Очистить отладочные данные текущего тика")));
}

constexpr auto pakko_describe(pakko::Tag<SetAutoFlush>) {
    using pakko::doc, pakko::en, pakko::ru;
    return pakko::record<SetAutoFlush>(
        "SetAutoFlush",
        doc(en("Enable/disable auto performing of commands"), ru("Включить/выключить автоматическое выполнение команд")),
        pakko::field("enable", &SetAutoFlush::enable,
                     doc(en("Enable/disable autoflush"), ru("Включить/выключить автоматическое выполнение"))));
}

constexpr auto pakko_describe(pakko::Tag<Flush>) {
    using pakko::doc, pakko::en, pakko::ru;
    return pakko::record<Flush>(
        "Flush", doc(en("Perform all previously sent commands"), ru("Выполнить все присланные ранее команды")));
}

template <class Data>
constexpr auto pakko_describe(pakko::Tag<DebugCommand<Data>>) {
    using pakko::doc, pakko::en, pakko::ru;
    return pakko::one_of<DebugCommand<Data>>(
        "DebugCommand",
        doc(en("Debug commands that can be sent while debugging with the app"),
            ru("Команды, которые могут быть отправлены приложению для помощи в отладке")),
        &DebugCommand<Data>::value);
}

// The driver's handlers, lent to the players for one request at a time and
// called on the processor's thread.
template <class Data, class State>
struct DebugHandlers {
    std::function<void(std::size_t player_index, bool in_debug_update, DebugCommand<Data> command)> command;
    std::function<State(std::size_t player_index)> state;
};

// What one request of a player gets; valid for that request only.
template <class Data, class State>
class DebugInterface {
public:
    DebugInterface(std::size_t player_index, DebugHandlers<Data, State>& handlers, bool in_debug_update)
        : player_index_(player_index), handlers_(&handlers), in_debug_update_(in_debug_update) {}

    std::size_t player_index() const { return player_index_; }
    bool in_debug_update() const { return in_debug_update_; }

    void send(DebugCommand<Data> command) const {
        handlers_->command(player_index_, in_debug_update_, std::move(command));
    }
    State get_state() const { return handlers_->state(player_index_); }

private:
    std::size_t player_index_;
    DebugHandlers<Data, State>* handlers_;
    bool in_debug_update_;
};

}  // namespace tarnwick::debug
