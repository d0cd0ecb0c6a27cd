#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <pakko/pakko.hpp>
#include <pakko/schema.hpp>

#include "test_support/bytes.hpp"
#include "fake_game.hpp"
#include "tarnwick/lib/messages.hpp"

using test_support::hex;
using test_support::to_hex;

namespace {

using G = fake::Game;
using Server = tarnwick::ServerMessage<G>;
using Client = tarnwick::ClientMessage<G>;
using Command = tarnwick::debug::DebugCommand<fake::DebugData>;
namespace sm = tarnwick::server_message;
namespace cm = tarnwick::client_message;
namespace dbg = tarnwick::debug;

TEST(ServerMessageBytes, TagThenFieldsWithoutFraming) {
    const fake::View view{1, 2};
    const std::string view_hex = "01 00 00 00 02 00 00 00";
    struct Case {
        Server message;
        std::string bytes;
    };
    const std::vector<Case> cases{
        {{sm::Finish{}}, "01 00 00 00"},
        {{sm::GetAction<G>{view, false}}, "00 00 00 00 " + view_hex + " 00"},
        {{sm::GetAction<G>{view, true}}, "00 00 00 00 " + view_hex + " 01"},
        {{sm::DebugUpdate<G>{view}}, "02 00 00 00 " + view_hex},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(to_hex(pakko::to_bytes(c.message)), to_hex(hex(c.bytes))) << c.bytes;
    }
}

TEST(ClientMessageBytes, ReadsEveryVariant) {
    struct Case {
        std::string bytes;
        Client expected;
    };
    fake::Action action;
    action.values[3] = -1;
    const std::vector<Case> cases{
        {"02 00 00 00", {cm::DebugUpdateDone{}}},
        {"03 00 00 00", {cm::RequestDebugState{}}},
        {"01 00 00 00 00 00 00 00", {cm::ActionMessage<G>{}}},
        {"01 00 00 00 01 00 00 00 03 00 00 00 FF FF FF FF", {cm::ActionMessage<G>{action}}},
        {"00 00 00 00 01 00 00 00", {cm::DebugMessage<G>{Command{dbg::Clear{}}}}},
        {"00 00 00 00 02 00 00 00 01", {cm::DebugMessage<G>{Command{dbg::SetAutoFlush{true}}}}},
        {"00 00 00 00 02 00 00 00 00", {cm::DebugMessage<G>{Command{dbg::SetAutoFlush{false}}}}},
        {"00 00 00 00 03 00 00 00", {cm::DebugMessage<G>{Command{dbg::Flush{}}}}},
        {"00 00 00 00 00 00 00 00 02 00 00 00 61 62",
         {cm::DebugMessage<G>{Command{dbg::Add<fake::DebugData>{{"ab"}}}}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(pakko::from_bytes<Client>(hex(c.bytes)), c.expected) << c.bytes;
    }
}

TEST(ClientMessageBytes, RejectsBadInputWithoutReadingPastIt) {
    struct Case {
        std::string bytes;
        pakko::ErrorKind kind;
        std::string message;
        std::size_t consumed;
    };
    const std::vector<Case> cases{
        {"04 00 00 00 03 00 00 00", pakko::ErrorKind::Other, "Unexpected tag 4", 4},
        {"FF FF FF FF 03 00 00 00", pakko::ErrorKind::Other, "Unexpected tag -1", 4},
        {"00 00 00 00 07 00 00 00 03 00 00 00", pakko::ErrorKind::Other, "Unexpected tag 7", 8},
        {"00 00 00 00 02 00 00 00 02", pakko::ErrorKind::Other, "Bool value should be 0 or 1", 9},
        {"01 00 00 00 01 00 00 00 03 00", pakko::ErrorKind::UnexpectedEof, "", 8},
        {"03 00", pakko::ErrorKind::UnexpectedEof, "", 0},
    };
    for (const auto& c : cases) {
        auto bytes = hex(c.bytes);
        pakko::MemoryReader reader(bytes);
        try {
            (void)pakko::read<Client>(reader);
            ADD_FAILURE() << c.bytes << " was read";
        } catch (const pakko::IoError& error) {
            EXPECT_EQ(error.kind(), c.kind) << c.bytes;
            if (!c.message.empty()) {
                EXPECT_EQ(std::string(error.what()), c.message) << c.bytes;
            }
            EXPECT_EQ(reader.position(), c.consumed) << c.bytes;
        }
    }
}

const pakko::Schema::OneOf& one_of(const pakko::SchemaPtr& schema) {
    auto* result = schema->get_if<pakko::Schema::OneOf>();
    if (!result) throw std::runtime_error("not a one-of");
    return *result;
}

pakko::Documentation docs(const std::string& en, const std::string& ru) { return {{{"en", en}, {"ru", ru}}}; }

TEST(MessageSchemas, VariantsInTagOrderWithInternedFieldSchemas) {
    auto server = one_of(pakko::Schema::of<Server>());
    auto client = one_of(pakko::Schema::of<Client>());
    auto command = one_of(pakko::Schema::of<Command>());
    auto names = [](const pakko::Schema::OneOf& schema) {
        std::vector<std::string> out;
        for (const auto& variant : schema.variants) {
            EXPECT_FALSE(variant.magic.has_value());
            std::string fields;
            for (const auto& field : variant.fields) fields += " " + field.name.text();
            out.push_back(variant.name.text() + fields);
        }
        return out;
    };
    EXPECT_EQ(server.base_name.text(), "ServerMessage");
    EXPECT_EQ(names(server),
              (std::vector<std::string>{"GetAction PlayerView DebugAvailable", "Finish", "DebugUpdate PlayerView"}));
    EXPECT_EQ(client.base_name.text(), "ClientMessage");
    EXPECT_EQ(names(client), (std::vector<std::string>{"DebugMessage Command", "ActionMessage Action",
                                                       "DebugUpdateDone", "RequestDebugState"}));
    EXPECT_EQ(command.base_name.text(), "DebugCommand");
    EXPECT_EQ(names(command), (std::vector<std::string>{"Add Data", "Clear", "SetAutoFlush Enable", "Flush"}));

    EXPECT_EQ(client.variants[0].fields[0].schema, pakko::Schema::of<Command>());
    EXPECT_EQ(server.variants[0].fields[0].schema, pakko::Schema::of<fake::View>());
    EXPECT_EQ(server.variants[2].fields[0].schema, pakko::Schema::of<fake::View>());
    EXPECT_EQ(client.variants[1].fields[0].schema, pakko::Schema::of<fake::Action>());
    EXPECT_EQ(command.variants[0].fields[0].schema, pakko::Schema::of<fake::DebugData>());
    EXPECT_NE(server.variants[0].fields[1].schema->get_if<pakko::Schema::Bool>(), nullptr);
    EXPECT_NE(command.variants[2].fields[0].schema->get_if<pakko::Schema::Bool>(), nullptr);
}

TEST(MessageSchemas, EnglishAndRussianDocumentation) {
    auto server = one_of(pakko::Schema::of<Server>());
    auto client = one_of(pakko::Schema::of<Client>());
    auto command = one_of(pakko::Schema::of<Command>());
    struct Case {
        const pakko::Documentation& actual;
        pakko::Documentation expected;
    };
    const std::vector<Case> cases{
        {server.documentation, docs("Message sent from server", "Сообщение отправляемое сервером")},
        {server.variants[0].documentation,
         docs("Get action for next tick", "Получить действие для следующего тика")},
        {server.variants[0].fields[0].documentation, docs("Player's view", "Информация доступная игроку")},
        {server.variants[0].fields[1].documentation,
         docs("Whether app is running with debug interface available",
              "Доступен ли отладочный интерфейс приложения")},
        {server.variants[1].documentation, docs("Signifies end of the game", "Сигнализирует конец игры")},
        {server.variants[2].documentation, docs("Debug update", "Отладочное обновление")},
        {server.variants[2].fields[0].documentation, docs("Player's view", "Информация доступная игроку")},
        {client.documentation, docs("Message sent from client", "Сообщение отправляемое клиентом")},
        {client.variants[0].documentation,
         docs("Ask app to perform new debug command", "Отправить отладочную команду приложению")},
        {client.variants[0].fields[0].documentation, docs("Command to perform", "Команда для исполнения")},
        {client.variants[1].documentation,
         docs("Reply for ServerMessage::GetAction", "Ответ на ServerMessage::GetAction")},
        {client.variants[1].fields[0].documentation, docs("Player's action", "Действие игрока")},
        {client.variants[2].documentation,
         docs("Signifies finish of the debug update", "Сигнализирует окончание отладочного обновления")},
        {client.variants[3].documentation,
         docs("Request debug state from the app", "Запросить отладочное состояние приложения")},
        {command.documentation, docs("Debug commands that can be sent while debugging with the app",
                                     "Команды, которые могут быть отправлены приложению для помощи в отладке")},
        {command.variants[0].documentation,
         docs("Add debug data to current tick", "Добавить отладочные данные в текущий тик")},
        {command.variants[0].fields[0].documentation, docs("Data to add", "Данные для добавления")},
        {command.variants[1].documentation,
         docs("Clear current tick's debug data", "Очистить отладочные данные текущего тика")},
        {command.variants[2].documentation,
         docs("Enable/disable auto performing of commands", "Включить/выключить автоматическое выполнение команд")},
        {command.variants[2].fields[0].documentation,
         docs("Enable/disable autoflush", "Включить/выключить автоматическое выполнение")},
        {command.variants[3].documentation,
         docs("Perform all previously sent commands", "Выполнить все присланные ранее команды")},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(cases[i].actual, cases[i].expected) << "item " << i << ": " << cases[i].expected.languages[0].text;
    }
}

}  // namespace
