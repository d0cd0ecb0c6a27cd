#pragma once
// The start tile map reduced to one byte per cell: which type of entity, of
// which owner, covers it. The automatic-attack goal test asks this of four
// cells on every call, thousands of times per tick; a byte grid with a border
// of empty cells answers without bounds tests or entity lookups.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include <kimbly/vec2.hpp>

#include "velmora/model/entity.hpp"

namespace velmora::model {

struct Model;

class TileClasses {
public:
    // Class 0: no entity (empty, reserved, or an id the game does not
    // hold). Otherwise 1 + type + ENTITY_TYPE_COUNT * owner slot, where slot
    // 0 is "no owner". The border around the map is OUTSIDE, which no entity
    // has either: a search tells it from a free cell by the class alone,
    // without testing the coordinates.
    static constexpr std::size_t MAX_OWNERS = 24;
    static constexpr std::size_t CLASS_COUNT = 1 + ENTITY_TYPE_COUNT * (MAX_OWNERS + 1);
    static constexpr std::uint8_t OUTSIDE = 0xff;
    static_assert(CLASS_COUNT <= OUTSIDE, "every class and OUTSIDE fit in a byte");

    // Classifies the cells of the game's start tile map: every entity's
    // square in the collection's order, so that where squares share a cell
    // the later entity's class holds it, as in the tile map. Keeps the
    // storage of an earlier fill.
    void refill(const Model& model);

    // False when the game has more owners than there are slots (or a type
    // outside the enumeration): callers then ask the tile map instead.
    bool complete() const { return complete_; }

    // The owner and type every class stands for, class 0 excluded.
    std::size_t class_count() const { return 1 + ENTITY_TYPE_COUNT * (owners_.size() + 1); }
    std::optional<usize> owner_of(std::size_t cls) const {
        const std::size_t slot = (cls - 1) / ENTITY_TYPE_COUNT;
        return slot == 0 ? std::nullopt : std::optional<usize>(owners_[slot - 1]);
    }
    static EntityType type_of(std::size_t cls) { return entity_type_at((cls - 1) % ENTITY_TYPE_COUNT); }

    // Cells are stored with x as the outer index, one row of border on every
    // side: the side neighbours of a cell are at ±1 and ±stride().
    std::size_t stride() const { return stride_; }
    std::size_t index(kimbly::Vec2Usize cell) const { return (cell.x + 1) * stride_ + cell.y + 1; }
    std::uint8_t at(std::size_t index) const { return classes_[index]; }

private:
    std::uint8_t slot_of(const std::optional<usize>& owner);

    bool complete_ = true;
    std::size_t stride_ = 0;
    std::vector<usize> owners_;
    std::vector<std::uint8_t> classes_;
};

}  // namespace velmora::model
