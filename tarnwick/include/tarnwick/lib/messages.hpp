#pragma once
// The messages of the player protocol. The application writes ServerMessage
// and reads ClientMessage; generated clients do the opposite, from the same
// schemas, so the documentation texts below end up in every client package.
#include <variant>

#include <pakko/describe.hpp>

#include "tarnwick/debug.hpp"
#include "tarnwick/game.hpp"

namespace tarnwick {

namespace server_message {

template <Game G>
struct GetAction {
    PlayerViewOf<G> player_view;
    bool debug_available = false;
    bool operator==(const GetAction&) const = default;
};

struct Finish {
    bool operator==(const Finish&) const = default;
};

template <Game G>
struct DebugUpdate {
    PlayerViewOf<G> player_view;
    bool operator==(const DebugUpdate&) const = default;
};

template <Game G>
constexpr auto pakko_describe(pakko::Tag<GetAction<G>>) {
    using pakko::doc, pakko::en, pakko::ru;
    using M = GetAction<G>;
    return pakko::record<M>(
        "GetAction", doc(en("Get action for next tick"), ru("Получить действие для следующего тика")),
        pakko::field("player_view", &M::player_view, doc(en("Player's view"), ru("Информация доступная игроку"))),
        pakko::field("debug_available", &M::debug_available,
                     doc(en("Whether app is running with debug interface available"),
                         ru("Доступен ли отладочный интерфейс приложения"))));
}

constexpr auto pakko_describe(pakko::Tag<Finish>) {
    using pakko::doc, pakko::en, pakko::ru;
    return pakko::record<Finish>("Finish", doc(en("Signifies end of the game"), ru("Сигнализирует конец игры")));
}

template <Game G>
constexpr auto pakko_describe(pakko::Tag<DebugUpdate<G>>) {
    using pakko::doc, pakko::en, pakko::ru;
    using M = DebugUpdate<G>;
    return pakko::record<M>(
        "DebugUpdate", doc(en("Debug update"), ru("Отладочное обновление")),
        pakko::field("player_view", &M::player_view, doc(en("Player's view"), ru("Информация доступная игроку"))));
}

}  // namespace server_message

template <Game G>
struct ServerMessage {
    std::variant<server_message::GetAction<G>, server_message::Finish, server_message::DebugUpdate<G>> value;
    bool operator==(const ServerMessage&) const = default;
};

template <Game G>
constexpr auto pakko_describe(pakko::Tag<ServerMessage<G>>) {
    using pakko::doc, pakko::en, pakko::ru;
    return pakko::one_of<ServerMessage<G>>(
        "ServerMessage", doc(en("Message sent from server"), ru("Сообщение отправляемое сервером")),
        &ServerMessage<G>::value);
}

namespace client_message {

template <Game G>
struct DebugMessage {
    debug::DebugCommand<DebugDataOf<G>> command;
    bool operator==(const DebugMessage&) const = default;
};

template <Game G>
struct ActionMessage {
    ActionOf<G> action;
    bool operator==(const ActionMessage&) const = default;
};

struct DebugUpdateDone {
    bool operator==(const DebugUpdateDone&) const = default;
};

struct RequestDebugState {
    bool operator==(const RequestDebugState&) const = default;
};

template <Game G>
constexpr auto pakko_describe(pakko::Tag<DebugMessage<G>>) {
    using pakko::doc, pakko::en, pakko::ru;
    using M = DebugMessage<G>;
    return pakko::record<M>(
        "DebugMessage",
        doc(en("Ask app to perform new debug command"), ru("Отправить отладочную команду приложению")),
        pakko::field("command", &M::command, doc(en("Command to perform"), ru("Команда для исполнения"))));
}

template <Game G>
constexpr auto pakko_describe(pakko::Tag<ActionMessage<G>>) {
    using pakko::doc, pakko::en, pakko::ru;
    using M = ActionMessage<G>;
    return pakko::record<M>(
        "ActionMessage", doc(en("Reply for ServerMessage::GetAction"), ru("Ответ на ServerMessage::GetAction")),
        pakko::field("action", &M::action, doc(en("Player's action"), ru("Действие игрока"))));
}

constexpr auto pakko_describe(pakko::Tag<DebugUpdateDone>) {
    using pakko::doc, pakko::en, pakko::ru;
    return pakko::record<DebugUpdateDone>(
        "DebugUpdateDone",
        doc(en("Signifies finish of the debug update"), ru("Сигнализирует окончание отладочного обновления")));
}

constexpr auto pakko_describe(pakko::Tag<RequestDebugState>) {
    using pakko::doc, pakko::en, pakko::ru;
    return pakko::record<RequestDebugState>(
        "RequestDebugState",
        doc(en("Request debug state from the app"), ru("Запросить отладочное состояние приложения")));
}

}  // namespace client_message

template <Game G>
struct ClientMessage {
    std::variant<client_message::DebugMessage<G>, client_message::ActionMessage<G>,
                 client_message::DebugUpdateDone, client_message::RequestDebugState>
        value;
    bool operator==(const ClientMessage&) const = default;
};

template <Game G>
constexpr auto pakko_describe(pakko::Tag<ClientMessage<G>>) {
    using pakko::doc, pakko::en, pakko::ru;
    return pakko::one_of<ClientMessage<G>>(
        "ClientMessage", doc(en("Message sent from client"), ru("Сообщение отправляемое клиентом")),
        &ClientMessage<G>::value);
}

}  // namespace tarnwick
