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

#include <nlohmann/json.hpp>

#include <kimbly/panic.hpp>
#include <pakko/describe.hpp>
#include <pakko/io.hpp>
#include <pakko/json.hpp>

#include "tarnwick/game.hpp"
#include "tarnwick/lib/byte_source.hpp"
#include "tarnwick/player/simple.hpp"
#include "tarnwick/processor/game_processor.hpp"

// An empty player has no settings, and its JSON form says so with null.
template <>
struct pakko::Traits<tarnwick::player::EmptyPlayerOptions> {
    static nlohmann::ordered_json to_json(const tarnwick::player::EmptyPlayerOptions&) { return nullptr; }
    static tarnwick::player::EmptyPlayerOptions from_json(const pakko::json::Value& value) {
        if (!value.is_null()) pakko::json::throw_invalid_type(value, "unit struct EmptyPlayerOptions");
        return {};
    }
};

namespace tarnwick {

inline constexpr std::string_view READ_STATE_FAILED = "Failed to read file";
inline constexpr std::string_view PARSE_STATE_FAILED = "Failed to parse file";

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

// Writes the pretty JSON form without flushing. Throws pakko::IoError, also
// for a saved-state path that JSON cannot hold.
template <class PlayerOptions, class OptionsPreset>
void save(const FullOptions<PlayerOptions, OptionsPreset>& options, pakko::Writer& writer) {
    if (auto* load = std::get_if<game_init_config::LoadFrom>(&options.game.value)) {
        if (!is_valid_utf8(load->path.native())) {
            throw pakko::IoError(pakko::ErrorKind::Other, "path contains invalid UTF-8 characters");
        }
    }
    const std::string text = pakko::json::dump(options);
    writer.write_all(std::as_bytes(std::span(text.data(), text.size())));
}

// A game's traits may add `preset_options(OptionsPreset)` (needed unless its
// presets are its options) and `validate(const G&)`, which throws for a state
// the rules must not see.
template <Game G>
processor::GameInit<G> into_game_init(GameInitConfig<OptionsPresetOf<G>> config) {
    if (auto* create = std::get_if<game_init_config::Create<OptionsPresetOf<G>>>(&config.value)) {
        if constexpr (requires { GameTraits<G>::preset_options(std::move(create->preset)); }) {
            return GameTraits<G>::preset_options(std::move(create->preset));
        } else {
            // A game whose presets are its options.
            return OptionsOf<G>(std::move(create->preset));
        }
    }
    const auto& path = std::get<game_init_config::LoadFrom>(config.value).path;
    auto file = kimbly::expect([&] { return std::make_unique<FileSource>(path); }, READ_STATE_FAILED);
    // A read error after the file has opened counts as a file that does not parse.
    return kimbly::expect(
        [&] {
            G state = pakko::json::parse<G>(read_to_end(*file));
            if constexpr (requires { GameTraits<G>::validate(state); }) GameTraits<G>::validate(state);
            return state;
        },
        PARSE_STATE_FAILED);
}

}  // namespace tarnwick
