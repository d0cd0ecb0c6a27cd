#include <gtest/gtest.h>

#include <velmora/model/action.hpp>

#include "model_test_support.hpp"

namespace velmora::model {
namespace {

using testing::hex;
using testing::to_hex;

TEST(Action, DocumentationTextsInTheirOrder) {
    testing::expect_docs<Action>({
        {"Action", "en", "Player's action", "Действие игрока"},
        {"Action.entity_actions", "ru", "New actions for entities. If entity does not get new action, if will continue to perform previously set one", "Новые действия для сущностей. Если сущность не получила новое действие, она будет продолжать выполнять предыдущее"},
    });
    testing::expect_docs<EntityAction>({
        {"EntityAction", "en", "Entity's action", "Действие сущности"},
        {"EntityAction.move_action", "ru", "Move action", "Действие перемещения"},
        {"EntityAction.build_action", "en", "Build action", "Действие постройки"},
        {"EntityAction.attack_action", "ru", "Attack action", "Действие атаки"},
        {"EntityAction.repair_action", "ru", "Repair action", "Действие починки"},
    });
    testing::expect_docs<MoveAction>({
        {"MoveAction", "en", "Move action", "Действие перемещения"},
        {"MoveAction.target", "en", "Target position", "Целевая позиция"},
        {"MoveAction.find_closest_position", "en", "Whether to try find closest position, if path to target is not found", "Находить ли ближайшее положение, если до цели путь не найден"},
        {"MoveAction.break_through", "en", "Whether to destroy other entities on the way", "Уничтожать ли враждебные сущности на пути"},
    });
    testing::expect_docs<BuildAction>({
        {"BuildAction", "ru", "Build action", "Действие постройки"},
        {"BuildAction.entity_type", "en", "Type of an entity to build", "Тип сущности для постройки"},
        {"BuildAction.position", "ru", "Desired position of new entity", "Желаемая позиция новой сущности"},
    });
    testing::expect_docs<RepairAction>({
        {"RepairAction", "ru", "Repair action", "Действие починки"},
        {"RepairAction.target", "en", "Target entity's ID", "ID цели"},
    });
    testing::expect_docs<AutoAttack>({
        {"AutoAttack", "en", "Auto attack options", "Настройки автоматической атаки"},
        {"AutoAttack.pathfind_range", "en", "Maximum distance to pathfind", "Максимальное расстояние для поиска пути"},
        {"AutoAttack.valid_targets", "en", "List of target entity types to try to attack. If empty, all types but resource are considered", "Список типов сущностей, которые следует атаковать. Если пусто, все типы кроме ресурса будут рассмотрены"},
    });
    testing::expect_docs<AttackAction>({
        {"AttackAction", "ru", "Attack action", "Действие атаки"},
        {"AttackAction.target", "ru", "If specified, target entity's ID", "ID цели, если применимо"},
        {"AttackAction.auto_attack", "ru", "If specified, configures auto attacking", "Настройки автоматической атаки, если необходимо"},
    });
}

TEST(Action, SchemaOfTheMap) {
    auto schema = pakko::create_schema<Action>();
    const auto* map = schema.get_if<pakko::Struct>()->fields.at(0).schema->get_if<pakko::Schema::Map>();
    ASSERT_NE(map, nullptr);
    EXPECT_NE(map->key->get_if<pakko::Schema::Int32>(), nullptr);
    EXPECT_EQ(map->value->get_if<pakko::Struct>()->name, pakko::Name("EntityAction"));
}

EntityAction move_to(usize x, usize y) { return EntityAction{MoveAction{{x, y}, true, false}, {}, {}, {}}; }

TEST(Action, BinaryLayouts) {
    Action one_move;
    one_move.entity_actions[5] = move_to(10, 20);
    EXPECT_EQ(to_hex(pakko::to_bytes(one_move)),
              to_hex(hex("01 00 00 00, 05 00 00 00, 01, 0A 00 00 00, 14 00 00 00, 01, 00, 00, 00, 00")));
    EXPECT_EQ(pakko::from_bytes<Action>(pakko::to_bytes(one_move)), one_move);

    AttackAction auto_resource{{}, AutoAttack{10, {EntityType::Resource}}};
    EXPECT_EQ(to_hex(pakko::to_bytes(auto_resource)), to_hex(hex("00, 01, 0A 00 00 00, 01 00 00 00, 08 00 00 00")));
    AttackAction any_target{{}, AutoAttack{10, {}}};
    EXPECT_EQ(pakko::from_bytes<AttackAction>(pakko::to_bytes(any_target)), any_target);

    EXPECT_EQ(to_hex(pakko::to_bytes(EntityAction{})), "00 00 00 00");
    EXPECT_EQ(to_hex(pakko::to_bytes(Action{})), "00 00 00 00");
    EXPECT_EQ(pakko::to_bytes(BuildAction{EntityType::House, {1, 2}}).size(), 12u);

    EntityAction full{MoveAction{{1, 2}, false, true}, BuildAction{EntityType::Turret, {3, 4}},
                      AttackAction{9, AutoAttack{3, {EntityType::Wall, EntityType::House}}}, RepairAction{11}};
    EXPECT_EQ(pakko::from_bytes<EntityAction>(pakko::to_bytes(full)), full);
}

TEST(Action, BinaryReadErrors) {
    struct Case {
        const char* name;
        const char* bytes;
        const char* message;
    };
    std::vector<Case> cases = {
        {"presence byte 2", "01 00 00 00, 05 00 00 00, 02", "Bool value should be 0 or 1"},
        {"count -1", "FF FF FF FF", "-1 is invalid value"},
        {"negative id", "01 00 00 00, FE FF FF FF, 00 00 00 00", "-2 is invalid value"},
        {"build type 10", "01 00 00 00, 05 00 00 00, 00, 01, 0A 00 00 00, 00 00 00 00, 00 00 00 00, 00, 00",
         "Unexpected tag 10"},
        {"bool 2 in a move", "01 00 00 00, 05 00 00 00, 01, 0A 00 00 00, 14 00 00 00, 02, 00, 00, 00, 00",
         "Bool value should be 0 or 1"},
        {"huge count without data", "FF FF FF 7F", "failed to fill whole buffer"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(testing::io_error_of([&] { pakko::from_bytes<Action>(hex(c.bytes)); }), c.message);
    }
}

TEST(Action, RepeatedEntityIdKeepsTheLaterOrder) {
    auto bytes = hex("02 00 00 00, 05 00 00 00, 00, 00, 00, 01, 01 00 00 00, 05 00 00 00, 00, 00, 00, 01, 02 00 00 00");
    auto action = pakko::from_bytes<Action>(bytes);
    ASSERT_EQ(action.entity_actions.size(), 1u);
    EXPECT_EQ(action.entity_actions.at(5).repair_action, RepairAction{2});
}

TEST(EntityAction, JsonReading) {
    EXPECT_EQ(pakko::json::parse<EntityAction>("{}"), EntityAction{});
    EXPECT_EQ(pakko::json::parse<AttackAction>("{}"), AttackAction{});
    EXPECT_EQ(pakko::json::parse<RepairAction>(R"({"target": 3})"), RepairAction{3});
    EXPECT_EQ(pakko::json::parse<EntityAction>("[null, null, null, null]"), EntityAction{});

    struct Case {
        const char* name;
        std::function<void()> read;
        const char* error_part;
    };
    std::vector<Case> cases = {
        {"missing find_closest_position",
         [] { pakko::json::parse<MoveAction>(R"({"target": {"x": 1, "y": 2}, "break_through": true})"); },
         "find_closest_position"},
        {"short entity action", [] { pakko::json::parse<EntityAction>("[null]"); }, "struct EntityAction with 4 elements"},
        {"short repair", [] { pakko::json::parse<RepairAction>("[]"); }, "struct RepairAction with 1 element"},
        {"short move", [] { pakko::json::parse<MoveAction>("[]"); }, "struct MoveAction with 3 elements"},
        {"short build", [] { pakko::json::parse<BuildAction>("[]"); }, "struct BuildAction with 2 elements"},
        {"short auto attack", [] { pakko::json::parse<AutoAttack>("[]"); }, "struct AutoAttack with 2 elements"},
        {"short attack", [] { pakko::json::parse<AttackAction>("[]"); }, "struct AttackAction with 2 elements"},
        {"repeated key", [] { pakko::json::parse<RepairAction>(R"({"target": 3, "target": 4})"); }, "target"},
        {"wrong type", [] { pakko::json::parse<EntityAction>("true"); }, "struct EntityAction"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto message = testing::json_error_of(c.read);
        EXPECT_NE(message, "<no error>");
        EXPECT_NE(message.find(c.error_part), std::string::npos) << message;
    }
}

TEST(EntityAction, JsonRoundTripWritesAbsentPartsAsNull) {
    EntityAction full{MoveAction{{1, 2}, false, true}, BuildAction{EntityType::Turret, {3, 4}},
                      AttackAction{{}, AutoAttack{3, {EntityType::Wall}}}, {}};
    auto json = pakko::json::to_json(full).dump();
    EXPECT_NE(json.find(R"("repair_action":null)"), std::string::npos) << json;
    EXPECT_NE(json.find(R"("target":null)"), std::string::npos) << json;
    EXPECT_EQ(pakko::json::parse<EntityAction>(pakko::json::dump(full)), full);
}

}  // namespace
}  // namespace velmora::model
