#pragma once
// The player driven by the person watching: mouse gestures and keys, read
// from the debug state whenever the viewer's match thread wakes, become a
// selection of units and queues of intentions; every tick each own entity's
// first unfinished intention becomes its order. Without a debug interface
// (batch mode) it only ever sends default orders.
//
// Every position it keeps is in the player's own frame, like its view.
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <variant>

#include <kimbly/vec2.hpp>
#include <tarnwick/debug.hpp>
#include <tarnwick/player.hpp>

#include "velmora/model/action.hpp"
#include "velmora/model/debug.hpp"
#include "velmora/model/entity.hpp"
#include "velmora/model/player_view.hpp"

namespace velmora::keyboard_player {

using model::usize;
using DebugInterface = tarnwick::debug::DebugInterface<model::DebugData, model::DebugState>;
using DebugCommand = tarnwick::debug::DebugCommand<model::DebugData>;

// What the user asked of one entity; positions are cells, targets entity ids.
struct HighLevelAction {
    // Nothing to do; stands in for an empty queue.
    struct Idle {
        bool operator==(const Idle&) const = default;
    };
    // Build that type with its corner at `position`.
    struct Build {
        model::EntityType entity_type = model::EntityType::Wall;
        kimbly::Vec2Usize position;
        bool operator==(const Build&) const = default;
    };
    struct Move {
        kimbly::Vec2Usize position;
        bool attack_on_the_way = false;
        bool operator==(const Move&) const = default;
    };
    struct Attack {
        usize target = 0;
        // The target's type when the order was given: a finished attack on a
        // resource sends a collector on to the next one.
        model::EntityType target_type = model::EntityType::Wall;
        bool operator==(const Attack&) const = default;
    };
    struct Repair {
        usize target = 0;
        bool operator==(const Repair&) const = default;
    };

    std::variant<Idle, Build, Move, Attack, Repair> value;

    bool operator==(const HighLevelAction&) const = default;
};

// The building menu.
struct BuildMode {
    enum class Kind {
        // No menu.
        Normal,
        // The menu is open.
        Menu,
        // A type is chosen and waits to be placed.
        Placing,
    };

    Kind kind = Kind::Normal;
    // Meaningful only while placing.
    model::EntityType entity_type = model::EntityType::Wall;

    static BuildMode normal() { return {}; }
    static BuildMode menu() { return {Kind::Menu, model::EntityType::Wall}; }
    static BuildMode placing(model::EntityType type) { return {Kind::Placing, type}; }

    bool operator==(const BuildMode&) const = default;
};

class KeyboardPlayer {
public:
    KeyboardPlayer() = default;

    // Each own entity's first unfinished intention as its order; never fails.
    // The debug interface is not used.
    model::Action get_action(const model::PlayerView& view, const DebugInterface* debug_interface);

    // Reads the input state, updates the selection, the menu and the queues,
    // and sends this update's drawing.
    void debug_update(const model::PlayerView& view, const DebugInterface& debug_interface);

    const std::optional<usize>& player_id() const { return player_id_; }
    const std::set<usize>& selection() const { return selection_; }
    const std::map<usize, std::deque<HighLevelAction>>& orders() const { return orders_; }
    const std::optional<model::DebugState>& last_state() const { return last_state_; }
    const std::optional<kimbly::Vec2F32>& drag_start() const { return drag_start_; }
    const std::optional<kimbly::Vec2F32>& right_press() const { return right_press_; }
    const BuildMode& build_mode() const { return build_mode_; }

private:
    std::optional<usize> player_id_;
    std::set<usize> selection_;
    // Queues of entities that are gone stay behind and are never looked at.
    std::map<usize, std::deque<HighLevelAction>> orders_;
    std::optional<model::DebugState> last_state_;
    // Window pixels where the left button was first seen held.
    std::optional<kimbly::Vec2F32> drag_start_;
    // Window pixels where the right button was first seen held.
    std::optional<kimbly::Vec2F32> right_press_;
    BuildMode build_mode_;
};

// The match runner's face of the keyboard player, for any game whose
// records are the model's.
template <tarnwick::Game G>
class Player final : public tarnwick::player::Player<G> {
public:
    tarnwick::ActionOf<G> get_action(const tarnwick::PlayerViewOf<G>& view,
                                     tarnwick::player::DebugInterfaceOf<G>* debug_interface) override {
        return player_.get_action(view, debug_interface);
    }
    void debug_update(const tarnwick::PlayerViewOf<G>& view,
                      tarnwick::player::DebugInterfaceOf<G>& debug_interface) override {
        player_.debug_update(view, debug_interface);
    }

    const KeyboardPlayer& state() const { return player_; }

private:
    KeyboardPlayer player_;
};

}  // namespace velmora::keyboard_player
