#pragma once
// Entity kinds and the entity record. The kind's index is part of every
// exchanged format, so the enumerators never change order.
#include <cstdint>
#include <optional>
#include <string_view>

#include <kimbly/diff.hpp>
#include <kimbly/vec2.hpp>
#include <pakko/describe.hpp>

namespace velmora::model {

using usize = std::uint64_t;

enum class EntityType : std::int32_t {
    Wall,
    House,
    BuilderBase,
    BuilderUnit,
    MeleeBase,
    MeleeUnit,
    RangedBase,
    RangedUnit,
    Resource,
    Turret,
};

inline constexpr std::size_t ENTITY_TYPE_COUNT = 10;

constexpr auto pakko_describe(pakko::Tag<EntityType>) {
    using pakko::doc, pakko::en, pakko::ru, pakko::variant;
    return pakko::enumeration<EntityType>(
        "EntityType", doc(ru("Тип сущности"), en("Entity type")),
        variant("Wall", doc(en("Wall, can be used to prevent enemy from moving through"),
                            ru("Стена, может использоваться для блокировки пути противнику"))),
        variant("House", doc(en("House, used to increase population"), ru("Дом, производит еду"))),
        variant("BuilderBase",
                doc(en("Base for recruiting new builder units"), ru("База для покупки юнитов-строителей"))),
        variant("BuilderUnit",
                doc(ru("Юнит-строитель может строить здания"), en("Builder unit can build buildings"))),
        variant("MeleeBase",
                doc(en("Base for recruiting new melee units"), ru("База для покупки юнитов ближнего боя"))),
        variant("MeleeUnit", doc(ru("Юнит ближнего боя"), en("Melee unit"))),
        variant("RangedBase",
                doc(ru("База для покупки юнитов дальнего боя"), en("Base for recruiting new ranged units"))),
        variant("RangedUnit", doc(ru("Юнит дальнего боя"), en("Ranged unit"))),
        variant("Resource", doc(en("Resource can be harvested"), ru("Ресурс, может быть собран"))),
        variant("Turret",
                doc(en("Ranged attacking building"), ru("Здание способное атаковать на расстоянии"))));
}

// Tables indexed by kind are sized by the count, so a kind added without
// raising it (or without describing it) must not compile.
static_assert(static_cast<std::size_t>(EntityType::Turret) + 1 == ENTITY_TYPE_COUNT &&
              pakko::describe<EntityType>().variants.size() == ENTITY_TYPE_COUNT);

// The text form of a kind: its name alone.
constexpr std::string_view entity_type_name(EntityType type) {
    return pakko::describe<EntityType>().variants[static_cast<std::size_t>(type)].name;
}

// Every kind in index order.
constexpr EntityType entity_type_at(std::size_t index) { return static_cast<EntityType>(index); }

struct Entity {
    usize id = 0;
    std::optional<usize> player_id;
    EntityType entity_type = EntityType::Wall;
    kimbly::Vec2Usize position;
    usize health = 0;
    bool active = false;

    bool operator==(const Entity&) const = default;
};

constexpr auto pakko_describe(pakko::Tag<Entity>) {
    using pakko::doc, pakko::en, pakko::ru, pakko::field;
    return pakko::record<Entity>(
        "Entity", doc(ru("Игровая сущность"), en("Game entity")),
        field("id", &Entity::id, doc(ru("ID сущности. Уникально для каждой сущности"), en("Entity's ID. Unique for each entity"))),
        field("player_id", &Entity::player_id,
              doc(en("Entity's owner player ID, if owned by a player"), ru("ID игрока, владеющего сущностью, если применимо"))),
        field("entity_type", &Entity::entity_type, doc(ru("Тип сущности"), en("Entity's type"))),
        field("position", &Entity::position,
              doc(en("Entity's position (corner with minimal coordinates)"),
                  ru("Позиция сущности (угол с минимальными координатами)"))),
        field("health", &Entity::health, doc(en("Current health"), ru("Текущее здоровье"))),
        field("active", &Entity::active,
              doc(ru("Если сущность активна, она может выполнять действия"),
                  en("If entity is active, it can perform actions"))));
}

// A changed entity is stored whole: same fields, same encoding.
constexpr kimbly::DeltaKind kimbly_delta(pakko::Tag<Entity>) { return kimbly::DeltaKind::FullCopy; }
using EntityDelta = kimbly::Diff<Entity>::Delta;

// The key of an entity in its collection.
constexpr usize record_id(const Entity& entity) { return entity.id; }

}  // namespace velmora::model
