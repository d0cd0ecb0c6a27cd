#pragma once
// A player's orders: per entity up to four parts, and the map of them that a
// player sends each tick. Positions are in the sending player's frame.
#include <map>
#include <optional>
#include <vector>

#include <kimbly/vec2.hpp>
#include <pakko/describe.hpp>

#include "velmora/model/entity.hpp"

namespace velmora::model {

struct MoveAction {
    kimbly::Vec2Usize target;
    bool find_closest_position = false;
    bool break_through = false;

    bool operator==(const MoveAction&) const = default;
};

struct BuildAction {
    EntityType entity_type = EntityType::Wall;
    kimbly::Vec2Usize position;

    bool operator==(const BuildAction&) const = default;
};

struct RepairAction {
    usize target = 0;

    bool operator==(const RepairAction&) const = default;
};

struct AutoAttack {
    usize pathfind_range = 0;
    std::vector<EntityType> valid_targets;

    bool operator==(const AutoAttack&) const = default;
};

struct AttackAction {
    std::optional<usize> target;
    std::optional<AutoAttack> auto_attack;

    bool operator==(const AttackAction&) const = default;
};

struct EntityAction {
    std::optional<MoveAction> move_action;
    std::optional<BuildAction> build_action;
    std::optional<AttackAction> attack_action;
    std::optional<RepairAction> repair_action;

    bool operator==(const EntityAction&) const = default;
};

struct Action {
    std::map<usize, EntityAction> entity_actions;

    bool operator==(const Action&) const = default;
};

constexpr auto pakko_describe(pakko::Tag<MoveAction>) {
    using pakko::doc, pakko::en, pakko::ru, pakko::field;
    return pakko::record<MoveAction>(
        "MoveAction", doc(en("Move action"), ru("Действие перемещения")),
        field("target", &MoveAction::target, doc(en("Target position"), ru("Целевая позиция"))),
        field("find_closest_position", &MoveAction::find_closest_position,
              doc(en("Whether to try find closest position, if path to target is not found"),
                  ru("Находить ли ближайшее положение, если до цели путь не найден"))),
        field("break_through", &MoveAction::break_through,
              doc(en("Whether to destroy other entities on the way"), ru("Уничтожать ли враждебные сущности на пути"))));
}

constexpr auto pakko_describe(pakko::Tag<BuildAction>) {
    using pakko::doc, pakko::en, pakko::ru, pakko::field;
    return pakko::record<BuildAction>(
        "BuildAction", doc(ru("Действие постройки"), en("Build action")),
        field("entity_type", &BuildAction::entity_type,
              doc(en("Type of an entity to build"), ru("Тип сущности для постройки"))),
        field("position", &BuildAction::position,
              doc(ru("Желаемая позиция новой сущности"), en("Desired position of new entity"))));
}

constexpr auto pakko_describe(pakko::Tag<RepairAction>) {
    using pakko::doc, pakko::en, pakko::ru, pakko::field;
    return pakko::record<RepairAction>(
        "RepairAction", doc(ru("Действие починки"), en("Repair action")),
        field("target", &RepairAction::target, doc(en("Target entity's ID"), ru("ID цели"))));
}

constexpr auto pakko_describe(pakko::Tag<AutoAttack>) {
    using pakko::doc, pakko::en, pakko::ru, pakko::field;
    return pakko::record<AutoAttack>(
        "AutoAttack", doc(en("Auto attack options"), ru("Настройки автоматической атаки")),
        field("pathfind_range", &AutoAttack::pathfind_range,
              doc(en("Maximum distance to pathfind"), ru("Максимальное расстояние для поиска пути"))),
        field("valid_targets", &AutoAttack::valid_targets,
              doc(en("List of target entity types to try to attack. If empty, all types but resource are considered"),
                  ru("Список типов сущностей, которые следует атаковать. Если пусто, все типы кроме ресурса будут "
                     "рассмотрены"))));
}

constexpr auto pakko_describe(pakko::Tag<AttackAction>) {
    using pakko::doc, pakko::en, pakko::ru, pakko::field;
    return pakko::record<AttackAction>(
        "AttackAction", doc(ru("Действие атаки"), en("Attack action")),
        field("target", &AttackAction::target, doc(ru("ID цели, если применимо"), en("If specified, target entity's ID"))),
        field("auto_attack", &AttackAction::auto_attack,
              doc(ru("Настройки автоматической атаки, если необходимо"), en("If specified, configures auto attacking"))));
}

constexpr auto pakko_describe(pakko::Tag<EntityAction>) {
    using pakko::doc, pakko::en, pakko::ru, pakko::field;
    return pakko::record<EntityAction>(
        "EntityAction", doc(en("Entity's action"), ru("Действие сущности")),
        field("move_action", &EntityAction::move_action, doc(ru("Действие перемещения"), en("Move action"))),
        field("build_action", &EntityAction::build_action, doc(en("Build action"), ru("Действие постройки"))),
        field("attack_action", &EntityAction::attack_action, doc(ru("Действие атаки"), en("Attack action"))),
        field("repair_action", &EntityAction::repair_action, doc(ru("Действие починки"), en("Repair action"))));
}

constexpr auto pakko_describe(pakko::Tag<Action>) {
    using pakko::doc, pakko::en, pakko::ru, pakko::field;
    return pakko::record<Action>(
        "Action", doc(en("Player's action"), ru("Действие игрока")),
        field("entity_actions", &Action::entity_actions,
              doc(ru("Новые действия для сущностей. Если сущность не получила новое действие, она будет продолжать "
                     "выполнять предыдущее"),
                  en("New actions for entities. If entity does not get new action, if will continue to perform "
                     "previously set one"))));
}

}  // namespace velmora::model
