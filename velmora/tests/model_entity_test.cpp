#include <gtest/gtest.h>

#include <velmora/model/entity.hpp>

#include "model_test_support.hpp"

namespace velmora::model {
namespace {

using testing::hex;
using testing::to_hex;

TEST(EntityType, DocumentationTextsInTheirOrder) {
    testing::expect_docs<EntityType>({
        {"EntityType", "ru", "Entity type", "Тип сущности"},
        {"EntityType.Wall", "en", "Wall, can be used to prevent enemy from moving through", "Стена, может использоваться для блокировки пути противнику"},
        {"EntityType.House", "en", "House, used to increase population", "Дом, производит еду"},
        {"EntityType.BuilderBase", "en", "Base for recruiting new builder units", "База для покупки юнитов-строителей"},
        {"EntityType.BuilderUnit", "ru", "Builder unit can build buildings", "Юнит-строитель может строить здания"},
        {"EntityType.MeleeBase", "en", "Base for recruiting new melee units", "База для покупки юнитов ближнего боя"},
        {"EntityType.MeleeUnit", "ru", "Melee unit", "Юнит ближнего боя"},
        {"EntityType.RangedBase", "ru", "Base for recruiting new ranged units", "База для покупки юнитов дальнего боя"},
        {"EntityType.RangedUnit", "ru", "Ranged unit", "Юнит дальнего боя"},
        {"EntityType.Resource", "en", "Resource can be harvested", "Ресурс, может быть собран"},
        {"EntityType.Turret", "en", "Ranged attacking building", "Здание способное атаковать на расстоянии"},
    });
}

TEST(Entity, DocumentationTextsInTheirOrder) {
    testing::expect_docs<Entity>({
        {"Entity", "ru", "Game entity", "Игровая сущность"},
        {"Entity.id", "ru", "Entity's ID. Unique for each entity", "ID сущности. Уникально для каждой сущности"},
        {"Entity.player_id", "en", "Entity's owner player ID, if owned by a player", "ID игрока, владеющего сущностью, если применимо"},
        {"Entity.entity_type", "ru", "Entity's type", "Тип сущности"},
        {"Entity.position", "en", "Entity's position (corner with minimal coordinates)", "Позиция сущности (угол с минимальными координатами)"},
        {"Entity.health", "en", "Current health", "Текущее здоровье"},
        {"Entity.active", "ru", "If entity is active, it can perform actions", "Если сущность активна, она может выполнять действия"},
    });
}

TEST(Entity, SchemaFieldsAndKinds) {
    auto schema = pakko::create_schema<Entity>();
    const auto* s = schema.get_if<pakko::Struct>();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->name.text(), "Entity");
    EXPECT_FALSE(s->magic.has_value());
    ASSERT_EQ(s->fields.size(), 6u);
    EXPECT_NE(s->fields[0].schema->get_if<pakko::Schema::Int32>(), nullptr);
    const auto* owner = s->fields[1].schema->get_if<pakko::Schema::Option>();
    ASSERT_NE(owner, nullptr);
    EXPECT_NE(owner->inner->get_if<pakko::Schema::Int32>(), nullptr);
    const auto* type = s->fields[2].schema->get_if<pakko::Schema::Enum>();
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(type->variants.size(), 10u);
    EXPECT_EQ(s->fields[3].schema->full_name(), "Vec2Int32");
    EXPECT_NE(s->fields[5].schema->get_if<pakko::Schema::Bool>(), nullptr);
}

TEST(EntityType, BinaryIndexAndRejectedTags) {
    EXPECT_EQ(to_hex(pakko::to_bytes(EntityType::Resource)), "08 00 00 00");
    EXPECT_EQ(to_hex(pakko::to_bytes(EntityType::Wall)), "00 00 00 00");
    EXPECT_EQ(pakko::from_bytes<EntityType>(hex("09 00 00 00")), EntityType::Turret);
    EXPECT_EQ(testing::io_error_of([] { pakko::from_bytes<EntityType>(hex("0A 00 00 00")); }), "Unexpected tag 10");
    EXPECT_EQ(testing::io_error_of([] { pakko::from_bytes<EntityType>(hex("FF FF FF FF")); }), "Unexpected tag -1");
}

Entity resource() { return Entity{7, std::nullopt, EntityType::Resource, {3, 4}, 30, true}; }

TEST(Entity, BinaryLayout) {
    struct Case {
        const char* name;
        Entity entity;
        const char* bytes;
    };
    Entity owned = resource();
    owned.player_id = 2;
    std::vector<Case> cases = {
        {"unowned", resource(), "07 00 00 00 00 08 00 00 00 03 00 00 00 04 00 00 00 1E 00 00 00 01"},
        {"owned", owned, "07 00 00 00 01 02 00 00 00 08 00 00 00 03 00 00 00 04 00 00 00 1E 00 00 00 01"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(to_hex(pakko::to_bytes(c.entity)), to_hex(hex(c.bytes)));
        EXPECT_EQ(pakko::from_bytes<Entity>(hex(c.bytes)), c.entity);
    }
}

TEST(Entity, BinaryReadErrors) {
    struct Case {
        const char* name;
        const char* bytes;
        const char* message;
    };
    std::vector<Case> cases = {
        {"presence byte 2", "07 00 00 00 02 08 00 00 00 03 00 00 00 04 00 00 00 1E 00 00 00 01",
         "Bool value should be 0 or 1"},
        {"active byte 2", "07 00 00 00 00 08 00 00 00 03 00 00 00 04 00 00 00 1E 00 00 00 02",
         "Bool value should be 0 or 1"},
        {"negative id", "FF FF FF FF 00 08 00 00 00 03 00 00 00 04 00 00 00 1E 00 00 00 01", "-1 is invalid value"},
        {"type 10", "07 00 00 00 00 0A 00 00 00 03 00 00 00 04 00 00 00 1E 00 00 00 01", "Unexpected tag 10"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(testing::io_error_of([&] { pakko::from_bytes<Entity>(hex(c.bytes)); }), c.message);
    }
}

TEST(Entity, DeltaIsTheNewEntityWhole) {
    Entity before = resource();
    Entity after = resource();
    after.health = 3;
    after.player_id = 1;
    EntityDelta delta = kimbly::diff(before, after);
    EXPECT_EQ(pakko::to_bytes(delta), pakko::to_bytes(after));
    Entity other{99, 4, EntityType::Wall, {1, 1}, 1, false};
    kimbly::update(other, delta);
    EXPECT_EQ(other, after);
}

TEST(Entity, JsonForm) {
    Entity owned = resource();
    owned.player_id = 2;
    EXPECT_EQ(pakko::json::to_json(owned).dump(),
              R"({"id":7,"player_id":2,"entity_type":"Resource","position":{"x":3,"y":4},"health":30,"active":true})");
    EXPECT_EQ(pakko::json::to_json(resource()).dump(),
              R"({"id":7,"player_id":null,"entity_type":"Resource","position":{"x":3,"y":4},"health":30,"active":true})");
    for (const auto& entity : {resource(), owned}) {
        EXPECT_EQ(pakko::json::parse<Entity>(pakko::json::dump(entity)), entity);
        EXPECT_EQ(pakko::from_bytes<Entity>(pakko::to_bytes(entity)), entity);
    }
}

TEST(Entity, JsonReading) {
    Entity wall{1, std::nullopt, EntityType::Wall, {0, 0}, 10, true};
    struct Case {
        const char* text;
        bool ok;
        const char* error_part;  // a text the error must contain
    };
    std::vector<Case> cases = {
        {R"({"id": 1, "entity_type": "Wall", "position": {"x": 0, "y": 0}, "health": 10, "active": true})", true, ""},
        {R"({"comment": [1, {"a": 2}], "id": 1, "entity_type": "Wall", "position": {"x": 0, "y": 0}, "health": 10, "active": true})",
         true, ""},
        {R"([1, null, "Wall", {"x": 0, "y": 0}, 10, true])", true, ""},
        {R"({"active": true, "health": 10, "position": {"x": 0, "y": 0}, "entity_type": {"Wall": null}, "id": 1})", true, ""},
        {R"({"id": 1, "entity_type": "Wall", "position": {"x": 0, "y": 0}, "active": true})", false, "health"},
        {R"({"id": 1, "entity_type": "wall", "position": {"x": 0, "y": 0}, "health": 10, "active": true})", false, "wall"},
        {R"({"id": 1, "id": 1, "entity_type": "Wall", "position": {"x": 0, "y": 0}, "health": 10, "active": true})", false, "id"},
        {R"({"id": -1, "entity_type": "Wall", "position": {"x": 0, "y": 0}, "health": 10, "active": true})", false, ""},
        {R"([1, null, "Wall", {"x": 0, "y": 0}, 10])", false, "struct Entity with 6 elements"},
        {R"("Wall")", false, "struct Entity"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        if (c.ok) {
            EXPECT_EQ(pakko::json::parse<Entity>(c.text), wall);
        } else {
            EXPECT_NE(testing::json_error_of([&] { pakko::json::parse<Entity>(c.text); }).find(c.error_part),
                      std::string::npos)
                << testing::json_error_of([&] { pakko::json::parse<Entity>(c.text); });
        }
    }
}

TEST(EntityType, JsonErrorListsTheNamesInIndexOrder) {
    auto message = testing::json_error_of([] { pakko::json::parse<EntityType>(R"("wall")"); });
    auto at = [&](const char* name) { return message.find(name); };
    EXPECT_NE(at("Wall"), std::string::npos) << message;
    EXPECT_LT(at("Wall"), at("House"));
    EXPECT_LT(at("RangedUnit"), at("Resource"));
    EXPECT_LT(at("Resource"), at("Turret"));
    EXPECT_EQ(pakko::json::to_json(EntityType::MeleeUnit).dump(), R"("MeleeUnit")");
    EXPECT_EQ(entity_type_name(EntityType::MeleeUnit), "MeleeUnit");
}

}  // namespace
}  // namespace velmora::model
