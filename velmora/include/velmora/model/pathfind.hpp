#pragma once
// The bounded best-first search that picks a unit's next cell. The caller's
// goal test scores cells; the search returns the best cell it reached and the
// first step towards it. Cells the owner cannot see count as free, so units
// plan through the fog as if it were empty. Ties are broken with draws from
// the generator passed in, which makes the exact number and order of draws
// part of a match's outcome.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <type_traits>
#include <utility>
#include <vector>

#include <kimbly/rng.hpp>
#include <kimbly/vec2.hpp>
#include <pakko/describe.hpp>

#include "velmora/model/collection.hpp"
#include "velmora/model/entity.hpp"
#include "velmora/model/entity_properties.hpp"
#include "velmora/model/sight.hpp"
#include "velmora/model/tile_map.hpp"

namespace velmora::model {

// How units step from cell to cell. Only the default mode is used: the four
// side neighbours, with the Manhattan distance.
enum class MovementMode : std::int32_t {
    Default,
};

constexpr auto pakko_describe(pakko::Tag<MovementMode>) {
    return pakko::enumeration<MovementMode>("MovementMode", pakko::no_doc(), pakko::variant("Default"));
}

// The side neighbours of (x, y) in the order every walk over the grid takes
// them: (x-1, y), (x+1, y), (x, y+1), (x, y-1).
struct Offset {
    int dx;
    int dy;
};
inline constexpr std::array<Offset, 4> NEIGHBOUR_ORDER{{{-1, 0}, {1, 0}, {0, 1}, {0, -1}}};

// The neighbour of `cell` in direction `offset`, or nothing when it would lie
// outside 0..map_size-1.
inline bool neighbour_of(kimbly::Vec2Usize cell, Offset offset, usize map_size, kimbly::Vec2Usize& out) {
    if ((offset.dx < 0 && cell.x == 0) || (offset.dy < 0 && cell.y == 0)) return false;
    out = {cell.x + static_cast<usize>(static_cast<std::int64_t>(offset.dx)),
           cell.y + static_cast<usize>(static_cast<std::int64_t>(offset.dy))};
    return out.x < map_size && out.y < map_size;
}

// |dx| + |dy|, saturating instead of wrapping for far-off targets.
inline usize manhattan_distance(kimbly::Vec2Usize a, kimbly::Vec2Usize b) {
    usize dx = a.x > b.x ? a.x - b.x : b.x - a.x;
    usize dy = a.y > b.y ? a.y - b.y : b.y - a.y;
    return dx > std::numeric_limits<usize>::max() - dy ? std::numeric_limits<usize>::max() : dx + dy;
}

inline usize distance_to(MovementMode, kimbly::Vec2Usize a, kimbly::Vec2Usize b) { return manhattan_distance(a, b); }

// Entities by id for lookups that run thousands of times while the
// collection stays unchanged (the searches of one tick). Ids up to a bound
// are held in a flat table; others, and every id when nothing was indexed,
// are looked up in the collection. Valid until the collection changes.
class EntityIndex {
public:
    explicit EntityIndex(const Collection<Entity>& entities) : entities_(&entities) {}
    EntityIndex() = default;

    // Indexes `entities`, keeping the table's storage.
    void refill(const Collection<Entity>& entities) {
        entities_ = &entities;
        by_id_.clear();
        if (entities.by_id.empty()) return;
        const usize last = entities.by_id.rbegin()->first;
        by_id_.assign(static_cast<std::size_t>(std::min<usize>(last, MAX_INDEXED_ID) + 1), nullptr);
        for (const auto& [id, entity] : entities.by_id) {
            if (id >= by_id_.size()) break;
            by_id_[id] = &entity;
        }
    }

    const Entity* get(usize id) const {
        if (id < by_id_.size()) return by_id_[id];
        return entities_->get(id);
    }

private:
    static constexpr usize MAX_INDEXED_ID = usize{1} << 22;
    const Collection<Entity>* entities_ = nullptr;
    std::vector<const Entity*> by_id_;
};

namespace pathfind {

// The goal value of a cell the search must not enter.
inline constexpr usize NOT_ENTERABLE = std::numeric_limits<usize>::max();

struct SearchResult {
    // The goal test's value at the best cell.
    usize goal_value = 0;
    // The first cell after the start on the path to the best cell; the start
    // itself when the best cell is the start.
    kimbly::Vec2Usize first_step;
    // The cell with the smallest goal value, then the smallest cost, among
    // those the search discovered; remaining ties broken at random.
    kimbly::Vec2Usize best_cell;

    bool operator==(const SearchResult&) const = default;
};

// A borrowed goal test: (path cost, cell) -> goal value, 0 at what is sought,
// NOT_ENTERABLE where the search must not go. It must not start another
// search on the same thread. Valid only while the callable it refers to lives.
class GoalTest {
public:
    template <class F>
        requires(!std::is_same_v<std::remove_cvref_t<F>, GoalTest> &&
                 std::is_invocable_r_v<usize, F&, usize, kimbly::Vec2Usize>)
    GoalTest(F&& f)  // NOLINT: implicit on purpose, callers pass lambdas
        : object_(const_cast<void*>(static_cast<const void*>(&f))),
          call_([](void* object, usize cost, kimbly::Vec2Usize cell) -> usize {
              return (*static_cast<std::remove_reference_t<F>*>(object))(cost, cell);
          }) {}

    usize operator()(usize cost, kimbly::Vec2Usize cell) const { return call_(object_, cost, cell); }

private:
    void* object_;
    usize (*call_)(void*, usize, kimbly::Vec2Usize);
};

// The search's scratch grid. A reset moves to a new generation instead of
// clearing: a cell stamped with an older generation reads as having no state.
// A cell keeps only the side it was entered from, not its parent's
// coordinates, so that the grid a search walks stays small in the cache.
class StateMap {
public:
    // Marks the start cell, which was entered from no side.
    static constexpr std::uint8_t NO_SIDE = 0xff;

    struct State {
        usize cost = 0;
        // Index into NEIGHBOUR_ORDER of the step that entered the cell, or
        // NO_SIDE.
        std::uint8_t side = NO_SIDE;
    };

    // A new generation; the grid is replaced only when its size differs.
    void reset(usize width, usize height);

    std::optional<State> get(usize x, usize y) const {
        const Cell& cell = cells_[x * height_ + y];
        if (cell.stamp != stamp_) return std::nullopt;
        return State{cell.cost, cell.side};
    }
    // The cost of a reached cell; nullptr when the cell has no state.
    const usize* cost(usize x, usize y) const {
        const Cell& cell = cells_[x * height_ + y];
        return cell.stamp == stamp_ ? &cell.cost : nullptr;
    }
    void set(usize x, usize y, State state) {
        Cell& cell = cells_[x * height_ + y];
        cell.stamp = stamp_;
        cell.side = state.side;
        cell.cost = state.cost;
    }

    usize generation() const { return generation_; }
    usize width() const { return width_; }
    usize height() const { return height_; }
    // Where the grid lives; a search that reuses the grid keeps it.
    const void* storage() const { return cells_.data(); }

private:
    struct Cell {
        usize cost = 0;
        // Never 0 for a generation in use: a fresh cell has no state.
        std::uint32_t stamp = 0;
        std::uint8_t side = NO_SIDE;
    };

    usize generation_ = 0;
    // The generation's low bits, as the cells hold it.
    std::uint32_t stamp_ = 0;
    usize width_ = 0;
    usize height_ = 0;
    std::vector<Cell> cells_;
};

// The calling thread's scratch, created empty on first use.
const StateMap& thread_state();

// Searches from `moving`'s cell. `moving` must have size 1; `sight` is its
// owner's sight grid; `tile_map` the occupancy at the start of the tick.
// With `break_through` a cell of another owner's entity may be entered at the
// price of the attacks that destroy it; a mover without attack, or with
// damage 0, cannot enter such a cell. At most `node_budget` cells are
// expanded. Draws from `rng`: one 32-bit value at the start, one 64-bit value
// at every tie with the best cell, one 32-bit value for every neighbour about
// to be entered.
SearchResult pathfind(kimbly::rng::Rng& rng, usize map_size, const Collection<Entity>& entities,
                      const EntityPropertiesTable& properties, const TileMap& tile_map, const SightGrid& sight,
                      const Entity& moving, GoalTest goal, bool break_through, usize node_budget);

// The same with the entities looked up through an index.
SearchResult pathfind(kimbly::rng::Rng& rng, usize map_size, const EntityIndex& entities,
                      const EntityPropertiesTable& properties, const TileMap& tile_map, const SightGrid& sight,
                      const Entity& moving, GoalTest goal, bool break_through, usize node_budget);

}  // namespace pathfind
}  // namespace velmora::model
