#include <gtest/gtest.h>

#include <velmora/model/default_properties.hpp>
#include <velmora/model/entity_properties.hpp>

#include "model_test_support.hpp"

namespace velmora::model {
namespace {

using testing::hex;
using testing::to_hex;

TEST(EntityProperties, DocumentationTextsInTheirOrder) {
    testing::expect_docs<EntityProperties>({
        {"EntityProperties", "ru", "Entity properties", "Свойства сущности"},
        {"EntityProperties.size", "ru", "Size. Entity has a form of a square with side of this length", "Размер. Сущности имеют форму квадрата со стороной заданной длины"},
        {"EntityProperties.build_score", "en", "Score for building this entity", "Количество очков за постройку данной сущности"},
        {"EntityProperties.destroy_score", "ru", "Score for destroying this entity", "Количество очков за уничтожение данной сущности"},
        {"EntityProperties.can_move", "ru", "Whether this entity can move", "Может ли данная сущность перемещаться"},
        {"EntityProperties.population_provide", "en", "Number of population points this entity provides, if active", "Количество производимой еды, если сущность активна"},
        {"EntityProperties.population_use", "en", "Number of population points this entity uses", "Количество потребляемой еды"},
        {"EntityProperties.max_health", "ru", "Maximum health points", "Максимальное количество очков здоровья"},
        {"EntityProperties.initial_cost", "ru", "Cost to build this first entity of this type. If this is a unit (entity can move), the cost is increased by 1 for each existing unit of this type", "Стоимость постройки первой сущности данного типа. Если это юнит (сущность может перемещаться), стоимость увеличивается на 1 за каждого существующего юнита этого типа"},
        {"EntityProperties.sight_range", "en", "If fog of war is enabled, maximum distance at which other entities are considered visible", "Если включен туман войны, расстояние на котором другие сущности считаются видимыми"},
        {"EntityProperties.resource_per_health", "ru", "Amount of resource added to enemy able to collect resource on dealing damage for 1 health point", "Количество ресурса добавляемое нападающему, способному собирать русурсы, за каждую единицу урона"},
        {"EntityProperties.build", "en", "Build properties, if entity can build", "Свойства строительства, если сущность способна строить"},
        {"EntityProperties.attack", "en", "Attack properties, if entity can attack", "Свойства атаки, если сущность способна атаковать"},
        {"EntityProperties.repair", "ru", "Repair properties, if entity can repair", "Свойства ремонта, если сущность способна ремонтировать"},
    });
    testing::expect_docs<BuildProperties>({
        {"BuildProperties", "en", "Entity's build properties", "Свойства строительства сущности"},
        {"BuildProperties.options", "en", "Valid new entity types", "Возможные типы новой сущности"},
        {"BuildProperties.init_health", "en", "Initial health of new entity. If absent, it will have full health", "Изначальное здоровье новой сущности. Если отсутствует, новая сущность будет имет полное здоровье"},
    });
    testing::expect_docs<AttackProperties>({
        {"AttackProperties", "en", "Entity's attack properties", "Свойства атаки сущности"},
        {"AttackProperties.attack_range", "ru", "Maximum attack range", "Максимальное расстояние атаки"},
        {"AttackProperties.damage", "en", "Damage dealt in one tick", "Урон наносимый за один тик"},
        {"AttackProperties.collect_resource", "en", "If true, dealing damage will collect resource from target", "Собираются ли ресурсы с цели при атаке"},
    });
    testing::expect_docs<RepairProperties>({
        {"RepairProperties", "en", "Entity's repair properties", "Свойства ремонта сущности"},
        {"RepairProperties.valid_targets", "en", "Valid target entity types", "Типы сущностей, которые возможно ремонтировать"},
        {"RepairProperties.power", "en", "Health restored in one tick", "Здоровье восстанавливаемое за один тик"},
    });
}

TEST(EntityProperties, SchemaNamesTheFieldAttackRange) {
    auto schema = pakko::create_schema<EntityProperties>();
    const auto* s = schema.get_if<pakko::Struct>();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->name, pakko::Name("EntityProperties"));
    ASSERT_EQ(s->fields.size(), 13u);
    const auto* attack = s->fields[11].schema->get_if<pakko::Schema::Option>();
    ASSERT_NE(attack, nullptr);
    const auto* inner = attack->inner->get_if<pakko::Struct>();
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->name, pakko::Name("AttackProperties"));
    EXPECT_EQ(inner->fields[0].name, pakko::Name("attack_range"));
    EXPECT_EQ(inner->fields[0].documentation.languages.front().language, "ru");
}

TEST(EntityProperties, BinaryLayoutOfDefaultRecords) {
    auto table = default_entity_properties();
    EXPECT_EQ(to_hex(pakko::to_bytes(table.at(EntityType::House))),
              to_hex(hex("03 00 00 00, 32 00 00 00, F4 01 00 00, 00, 05 00 00 00, 00 00 00 00, 32 00 00 00, "
                         "32 00 00 00, 05 00 00 00, 00 00 00 00, 00, 00, 00")));
    EXPECT_EQ(pakko::to_bytes(table.at(EntityType::House)).size(), 40u);
    EXPECT_EQ(pakko::to_bytes(table.at(EntityType::BuilderUnit)).size(), 126u);
    EXPECT_EQ(to_hex(pakko::to_bytes(table.at(EntityType::RangedUnit).attack)),
              to_hex(hex("01, 05 00 00 00, 05 00 00 00, 00")));
    for (const auto& [type, properties] : table) {
        SCOPED_TRACE(entity_type_name(type));
        EXPECT_EQ(pakko::from_bytes<EntityProperties>(pakko::to_bytes(properties)), properties);
        EXPECT_EQ(pakko::json::parse<EntityProperties>(pakko::json::dump(properties)), properties);
    }
}

TEST(EntityProperties, BinaryErrors) {
    auto house = pakko::to_bytes(default_entity_properties().at(EntityType::House));
    auto bad_move = house;
    bad_move[12] = std::byte{2};
    EXPECT_EQ(testing::io_error_of([&] { pakko::from_bytes<EntityProperties>(bad_move); }),
              "Bool value should be 0 or 1");
    auto negative = house;
    negative[0] = negative[1] = negative[2] = negative[3] = std::byte{0xFF};
    EXPECT_EQ(testing::io_error_of([&] { pakko::from_bytes<EntityProperties>(negative); }), "-1 is invalid value");
    EXPECT_EQ(testing::io_error_of([] { pakko::from_bytes<BuildProperties>(hex("01 00 00 00 0B 00 00 00 00")); }),
              "Unexpected tag 11");
    house.pop_back();
    EXPECT_NE(testing::io_error_of([&] { pakko::from_bytes<EntityProperties>(house); }), "<no error>");
}

constexpr const char* HOUSE_FIELDS =
    R"("size": 3, "build_score": 50, "destroy_score": 500, "can_move": false, "population_provide": 5,
       "population_use": 0, "max_health": 50, "initial_cost": 50, "sight_range": 5, "resource_per_health": 0)";

TEST(EntityProperties, JsonReading) {
    auto house = default_entity_properties().at(EntityType::House);
    struct Case {
        std::string text;
        bool ok;
        const char* error_part;
    };
    std::string fields = HOUSE_FIELDS;
    std::vector<Case> cases = {
        {"{" + fields + "}", true, ""},
        {"{" + fields + R"(, "build": null, "attack": null, "repair": null})", true, ""},
        {"{" + fields + R"(, "colour": "red"})", true, ""},
        {"[3, 50, 500, false, 5, 0, 50, 50, 5, 0, null, null, null]", true, ""},
        {"[3, 50, 500, false, 5, 0, 50, 50, 5, 0, null, null]", false, "struct EntityProperties with 13 elements"},
        {"[3, 50, 500, false, 5, 0, 50, 50, 5, 0, null, null, null, null]", false, ""},
        {"{" + fields + R"(, "size": 3})", false, "size"},
        {R"({"size": -1})", false, ""},
        {R"({"size": 1.5})", false, ""},
        {"7", false, "struct EntityProperties"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        if (c.ok) {
            EXPECT_EQ(pakko::json::parse<EntityProperties>(c.text), house);
        } else {
            auto message = testing::json_error_of([&] { pakko::json::parse<EntityProperties>(c.text); });
            EXPECT_NE(message, "<no error>");
            EXPECT_NE(message.find(c.error_part), std::string::npos) << message;
        }
    }
}

TEST(AttackProperties, JsonKeyIsRange) {
    AttackProperties ranged{5, 5, false};
    EXPECT_EQ(pakko::json::to_json(ranged).dump(), R"({"range":5,"damage":5,"collect_resource":false})");
    auto message = testing::json_error_of(
        [] { pakko::json::parse<AttackProperties>(R"({"attack_range": 5, "damage": 5, "collect_resource": false})"); });
    EXPECT_NE(message.find("range"), std::string::npos) << message;
    EXPECT_NE(testing::json_error_of([] { pakko::json::parse<AttackProperties>("[5, 5]"); })
                  .find("struct AttackProperties with 3 elements"),
              std::string::npos);
    EXPECT_NE(testing::json_error_of([] { pakko::json::parse<BuildProperties>("[[]]"); })
                  .find("struct BuildProperties with 2 elements"),
              std::string::npos);
    EXPECT_NE(testing::json_error_of([] { pakko::json::parse<RepairProperties>("[[]]"); })
                  .find("struct RepairProperties with 2 elements"),
              std::string::npos);
    EXPECT_EQ(pakko::json::parse<BuildProperties>(R"({"options": ["Wall"]})"), (BuildProperties{{EntityType::Wall}, {}}));
}

TEST(EntityProperties, OversizedValueReadsFromJsonButCannotBeWritten) {
    std::string text = std::string("{") + HOUSE_FIELDS + "}";
    text.replace(text.find("\"max_health\": 50"), 16, "\"max_health\": 2147483648");
    auto properties = pakko::json::parse<EntityProperties>(text);
    EXPECT_EQ(properties.max_health, 2147483648u);
    EXPECT_EQ(testing::io_error_of([&] { pakko::to_bytes(properties); }), "2147483648 is invalid value");
}

}  // namespace
}  // namespace velmora::model
