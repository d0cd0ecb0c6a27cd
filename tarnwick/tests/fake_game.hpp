#pragma once
// A small game for the framework's tests: each tick every answering player
// scores the sum of its action's values plus one, and the match generator's
// next word is kept in the state so that seeds show in the states.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include <fmt/format.h>
#include <kimbly/diff.hpp>
#include <kimbly/panic.hpp>
#include <kimbly/rng.hpp>
#include <pakko/describe.hpp>

#include "tarnwick/game.hpp"

namespace fake {

using usize = std::uint64_t;

struct Options {
    usize max_ticks = 3;
    bool operator==(const Options&) const = default;
};
constexpr auto pakko_describe(pakko::Tag<Options>) {
    return pakko::record<Options>("Options", pakko::no_doc(), pakko::field("max_ticks", &Options::max_ticks));
}

// Empty: no entries, encoded as a zero count.
struct Action {
    std::map<std::int32_t, std::int32_t> values;
    bool operator==(const Action&) const = default;
};
constexpr auto pakko_describe(pakko::Tag<Action>) {
    return pakko::record<Action>("Action", pakko::no_doc(), pakko::field("values", &Action::values));
}

struct Event {
    usize player = 0;
    std::int32_t points = 0;
    bool operator==(const Event&) const = default;
};
constexpr auto pakko_describe(pakko::Tag<Event>) {
    return pakko::record<Event>("Event", pakko::no_doc(), pakko::field("player", &Event::player),
                                pakko::field("points", &Event::points));
}

struct View {
    usize player_index = 0;
    usize tick = 0;
    bool operator==(const View&) const = default;
};
constexpr auto pakko_describe(pakko::Tag<View>) {
    return pakko::record<View>("View", pakko::no_doc(), pakko::field("player_index", &View::player_index),
                               pakko::field("tick", &View::tick));
}

struct DebugData {
    std::string text;
    bool operator==(const DebugData&) const = default;
};
constexpr auto pakko_describe(pakko::Tag<DebugData>) {
    return pakko::record<DebugData>("DebugData", pakko::no_doc(), pakko::field("text", &DebugData::text));
}

struct DebugState {
    usize player_index = 0;
    bool operator==(const DebugState&) const = default;
};
constexpr auto pakko_describe(pakko::Tag<DebugState>) {
    return pakko::record<DebugState>("DebugState", pakko::no_doc(),
                                     pakko::field("player_index", &DebugState::player_index));
}

struct Game {
    usize tick = 0;
    usize max_ticks = 0;
    std::int32_t draw = 0;  // the generator's latest word
    std::vector<usize> scores;
    bool operator==(const Game&) const = default;
};
constexpr auto pakko_describe(pakko::Tag<Game>) {
    return pakko::record<Game>("Game", pakko::no_doc(), pakko::field("tick", &Game::tick),
                               pakko::field("max_ticks", &Game::max_ticks), pakko::field("draw", &Game::draw),
                               pakko::field("scores", &Game::scores));
}

// Leaves out what never changes during a match.
struct GameDelta {
    usize tick = 0;
    std::int32_t draw = 0;
    std::vector<usize> scores;
    bool operator==(const GameDelta&) const = default;
};
constexpr auto pakko_describe(pakko::Tag<GameDelta>) {
    return pakko::record<GameDelta>("GameDelta", pakko::no_doc(), pakko::field("tick", &GameDelta::tick),
                                    pakko::field("draw", &GameDelta::draw),
                                    pakko::field("scores", &GameDelta::scores));
}

}  // namespace fake

template <>
struct kimbly::Diff<fake::Game> {
    using Delta = fake::GameDelta;
    static Delta diff(const fake::Game&, const fake::Game& later) { return {later.tick, later.draw, later.scores}; }
    static void update(fake::Game& game, const Delta& delta) {
        game.tick = delta.tick;
        game.draw = delta.draw;
        game.scores = delta.scores;
    }
};

template <>
struct tarnwick::GameTraits<fake::Game> {
    using Options = fake::Options;
    using OptionsPreset = fake::Options;
    using PlayerOptions = fake::Options;
    using Action = fake::Action;
    using Event = fake::Event;
    using PlayerView = fake::View;
    using Results = std::vector<fake::usize>;
    using DebugData = fake::DebugData;
    using DebugState = fake::DebugState;

    static fake::Game init(kimbly::rng::Rng& rng, std::size_t player_count, Options options) {
        return {0, options.max_ticks, static_cast<std::int32_t>(rng.next_u32()),
                std::vector<fake::usize>(player_count, 0)};
    }
    static std::size_t player_count(const fake::Game& game) { return game.scores.size(); }
    static fake::View player_view(const fake::Game& game, std::size_t index) {
        if (index >= game.scores.size()) kimbly::panic(fmt::format("No player with index {}", index));
        return {index, game.tick};
    }
    static std::vector<fake::Event> process_turn(fake::Game& game, kimbly::rng::Rng& rng,
                                                 std::map<std::size_t, Action>& actions) {
        std::vector<fake::Event> events;
        for (const auto& [index, action] : actions) {
            std::int32_t points = 1;
            for (const auto& [key, value] : action.values) points += value;
            game.scores.at(index) += static_cast<fake::usize>(points);
            events.push_back({index, points});
        }
        game.draw = static_cast<std::int32_t>(rng.next_u32());
        ++game.tick;
        return events;
    }
    static bool finished(const fake::Game& game) { return game.tick >= game.max_ticks; }
    static Results results(const fake::Game& game) { return game.scores; }
};

static_assert(tarnwick::Game<fake::Game>);
