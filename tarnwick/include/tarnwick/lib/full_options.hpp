#pragma once
// The match configuration: the seed, how the game starts and one entry per
// player. Read from configuration files and written by the configuration
// screen, always through the strict JSON layer.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include <pakko/describe.hpp>
#include <pakko/json_value.hpp>
#include <pakko/traits.hpp>

#include "tarnwick/game.hpp"
#include "tarnwick/player/simple.hpp"

// An empty player has no settings, and its JSON form says so with null.
template <>
struct pakko::Traits<tarnwick::player::EmptyPlayerOptions> {
    static nlohmann::ordered_json to_json(const tarnwick::player::EmptyPlayerOptions& options);
    static tarnwick::player::EmptyPlayerOptions from_json(const pakko::json::Value& value);
};

namespace tarnwick {

namespace game_init_config {

// A saved game state (the game's JSON form) to start from.
struct LoadFrom {
    std::filesystem::path path;
    bool operator==(const LoadFrom&) const = default;
};
constexpr auto pakko_describe(pakko::Tag<LoadFrom>) {
    return pakko::wrapper<LoadFrom>("LoadFrom", pakko::no_doc(), pakko::field("path", &LoadFrom::path));
}

// A new game generated from the options of a preset.
template <class OptionsPreset>
struct Create {
    OptionsPreset preset;
    bool operator==(const Create&) const = default;
};
template <class OptionsPreset>
constexpr auto pakko_describe(pakko::Tag<Create<OptionsPreset>>) {
    return pakko::wrapper<Create<OptionsPreset>>("Create", pakko::no_doc(),
                                                 pakko::field("preset", &Create<OptionsPreset>::preset));
}

}  // namespace game_init_config

template <class OptionsPreset>
struct GameInitConfig {
    std::variant<game_init_config::LoadFrom, game_init_config::Create<OptionsPreset>> value;
    bool operator==(const GameInitConfig&) const = default;
};
template <class OptionsPreset>
constexpr auto pakko_describe(pakko::Tag<GameInitConfig<OptionsPreset>>) {
    return pakko::one_of<GameInitConfig<OptionsPreset>>("GameInitConfig", pakko::no_doc(),
                                                        &GameInitConfig<OptionsPreset>::value);
}

template <class PlayerOptions, class OptionsPreset>
struct FullOptions {
    std::optional<std::uint64_t> seed;
    GameInitConfig<OptionsPreset> game;
    std::vector<PlayerOptions> players;  // one per player index
    bool operator==(const FullOptions&) const = default;
};
template <class PlayerOptions, class OptionsPreset>
constexpr auto pakko_describe(pakko::Tag<FullOptions<PlayerOptions, OptionsPreset>>) {
    using F = FullOptions<PlayerOptions, OptionsPreset>;
    return pakko::record<F>("FullOptions", pakko::no_doc(), pakko::field("seed", &F::seed),
                            pakko::field("game", &F::game), pakko::field("players", &F::players));
}

template <Game G>
using FullOptionsOf = FullOptions<PlayerOptionsOf<G>, OptionsPresetOf<G>>;

bool is_valid_utf8(std::string_view text);

}  // namespace tarnwick
