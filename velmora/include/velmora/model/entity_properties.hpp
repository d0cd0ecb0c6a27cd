#pragma once
// The per-kind parameters of the rules, sent to players with every view.
#include <array>
#include <cstddef>
#include <map>
#include <optional>
#include <vector>

#include <pakko/describe.hpp>

#include "velmora/model/entity.hpp"

namespace velmora::model {

struct BuildProperties {
    std::vector<EntityType> options;
    std::optional<usize> init_health = std::nullopt;

    bool operator==(const BuildProperties&) const = default;
};

struct AttackProperties {
    usize attack_range = 0;
    usize damage = 0;
    bool collect_resource = false;

    bool operator==(const AttackProperties&) const = default;
};

struct RepairProperties {
    std::vector<EntityType> valid_targets;
    usize power = 0;

    bool operator==(const RepairProperties&) const = default;
};

struct EntityProperties {
    usize size = 0;
    usize build_score = 0;
    usize destroy_score = 0;
    bool can_move = false;
    usize population_provide = 0;
    usize population_use = 0;
    usize max_health = 0;
    usize initial_cost = 0;
    usize sight_range = 0;
    usize resource_per_health = 0;
    std::optional<BuildProperties> build = std::nullopt;
    std::optional<AttackProperties> attack = std::nullopt;
    std::optional<RepairProperties> repair = std::nullopt;

    bool operator==(const EntityProperties&) const = default;
};

// Ordered by kind so that saved states and logs come out byte for byte the same.
using EntityPropertiesTable = std::map<EntityType, EntityProperties>;

// The table's entries indexed by type, for the loops that look one up for
// every entity of the game. Valid while the table lives unchanged.
class PropertiesByType {
public:
    explicit PropertiesByType(const EntityPropertiesTable& table) : table_(&table) {
        for (const auto& [type, properties] : table)
            if (static_cast<std::size_t>(type) < ENTITY_TYPE_COUNT) by_type_[static_cast<std::size_t>(type)] = &properties;
    }

    // A type the table lacks fails as the table's own lookup does.
    const EntityProperties& at(EntityType type) const {
        const auto index = static_cast<std::size_t>(type);
        if (index < ENTITY_TYPE_COUNT && by_type_[index] != nullptr) [[likely]]
            return *by_type_[index];
        return table_->at(type);
    }

private:
    const EntityPropertiesTable* table_;
    std::array<const EntityProperties*, ENTITY_TYPE_COUNT> by_type_{};
};

constexpr auto pakko_describe(pakko::Tag<BuildProperties>) {
    using pakko::doc, pakko::en, pakko::ru, pakko::field;
    return pakko::record<BuildProperties>(
        "BuildProperties", doc(en("Entity's build properties"), ru("Свойства строительства сущности")),
        field("options", &BuildProperties::options,
              doc(en("Valid new entity types"), ru("Возможные типы новой сущности"))),
        field("init_health", &BuildProperties::init_health,
              doc(en("Initial health of new entity. If absent, it will have full health"),
                  ru("Изначальное здоровье новой сущности. Если отсутствует, новая сущность будет имет полное здоровье"))));
}

constexpr auto pakko_describe(pakko::Tag<AttackProperties>) {
    using pakko::doc, pakko::en, pakko::ru, pakko::field;
    return pakko::record<AttackProperties>(
        "AttackProperties", doc(en("Entity's attack properties"), ru("Свойства атаки сущности")),
        field("attack_range", &AttackProperties::attack_range,
              doc(ru("Максимальное расстояние атаки"), en("Maximum attack range")), "range"),
        field("damage", &AttackProperties::damage, doc(en("Damage dealt in one tick"), ru("Урон наносимый за один тик"))),
        field("collect_resource", &AttackProperties::collect_resource,
              doc(en("If true, dealing damage will collect resource from target"),
                  ru("Собираются ли ресурсы с цели при атаке"))));
}

constexpr auto pakko_describe(pakko::Tag<RepairProperties>) {
    using pakko::doc, pakko::en, pakko::ru, pakko::field;
    return pakko::record<RepairProperties>(
        "RepairProperties", doc(en("Entity's repair properties"), ru("Свойства ремонта сущности")),
        field("valid_targets", &RepairProperties::valid_targets,
              doc(en("Valid target entity types"), ru("Типы сущностей, которые возможно ремонтировать"))),
        field("power", &RepairProperties::power,
              doc(en("Health restored in one tick"), ru("Здоровье восстанавливаемое за один тик"))));
}

constexpr auto pakko_describe(pakko::Tag<EntityProperties>) {
    using pakko::doc, pakko::en, pakko::ru, pakko::field;
    using P = EntityProperties;
    return pakko::record<P>(
        "EntityProperties", doc(ru("Свойства сущности"), en("Entity properties")),
        field("size", &P::size,
              doc(ru("Размер. Сущности имеют форму квадрата со стороной заданной длины"),
                  en("Size. Entity has a form of a square with side of this length"))),
        field("build_score", &P::build_score,
              doc(en("Score for building this entity"), ru("Количество очков за постройку данной сущности"))),
        field("destroy_score", &P::destroy_score,
              doc(ru("Количество очков за уничтожение данной сущности"), en("Score for destroying this entity"))),
        field("can_move", &P::can_move,
              doc(ru("Может ли данная сущность перемещаться"), en("Whether this entity can move"))),
        field("population_provide", &P::population_provide,
              doc(en("Number of population points this entity provides, if active"),
                  ru("Количество производимой еды, если сущность активна"))),
        field("population_use", &P::population_use,
              doc(en("Number of population points this entity uses"), ru("Количество потребляемой еды"))),
        field("max_health", &P::max_health,
              doc(ru("Максимальное количество очков здоровья"), en("Maximum health points"))),
        field("initial_cost", &P::initial_cost,
              doc(ru("Стоимость постройки первой сущности данного типа. Если это юнит (сущность может перемещаться), "
                     "стоимость увеличивается на 1 за каждого существующего юнита этого типа"),
                  en("Cost to build this first entity of this type. If this is a unit (entity can move), the cost is "
                     "increased by 1 for each existing unit of this type"))),
        field("sight_range", &P::sight_range,
              doc(en("If fog of war is enabled, maximum distance at which other entities are considered visible"),
                  ru("Если включен туман войны, расстояние на котором другие сущности считаются видимыми"))),
        field("resource_per_health", &P::resource_per_health,
              doc(ru("Количество ресурса добавляемое нападающему, способному собирать русурсы, за каждую единицу урона"),
                  en("Amount of resource added to enemy able to collect resource on dealing damage for 1 health "
                     "point"))),
        field("build", &P::build,
              doc(en("Build properties, if entity can build"), ru("Свойства строительства, если сущность способна строить"))),
        field("attack", &P::attack,
              doc(en("Attack properties, if entity can attack"), ru("Свойства атаки, если сущность способна атаковать"))),
        field("repair", &P::repair,
              doc(ru("Свойства ремонта, если сущность способна ремонтировать"),
                  en("Repair properties, if entity can repair"))));
}

}  // namespace velmora::model
