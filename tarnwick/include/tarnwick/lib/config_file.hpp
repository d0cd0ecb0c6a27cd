#pragma once
// Writing a match configuration, and the game it starts from. Both read or
// write JSON, so only the translation units that do so include this.
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include <kimbly/panic.hpp>
#include <pakko/io.hpp>
#include <pakko/json.hpp>

#include "tarnwick/lib/byte_source.hpp"
#include "tarnwick/lib/full_options.hpp"
#include "tarnwick/processor/game_processor.hpp"

namespace tarnwick {

inline constexpr std::string_view READ_STATE_FAILED = "Failed to read file";
inline constexpr std::string_view PARSE_STATE_FAILED = "Failed to parse file";

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

// The game a configuration starts from could not be loaded: `step` is
// READ_STATE_FAILED or PARSE_STATE_FAILED, `cause` what went wrong.
class GameInitError : public std::runtime_error {
public:
    GameInitError(std::string_view step, std::string cause)
        : std::runtime_error(std::string(step) + ": " + cause), step_(step), cause_(std::move(cause)) {}
    std::string_view step() const { return step_; }
    const std::string& cause() const { return cause_; }

private:
    std::string_view step_;
    std::string cause_;
};

// A game's traits may add `preset_options(OptionsPreset)` (needed unless its
// presets are its options) and `validate(const G&)`, which throws for a state
// the rules must not see. Throws GameInitError.
template <Game G>
processor::GameInit<G> load_game_init(GameInitConfig<OptionsPresetOf<G>> config) {
    if (auto* create = std::get_if<game_init_config::Create<OptionsPresetOf<G>>>(&config.value)) {
        if constexpr (requires { GameTraits<G>::preset_options(std::move(create->preset)); }) {
            return GameTraits<G>::preset_options(std::move(create->preset));
        } else {
            // A game whose presets are its options.
            return OptionsOf<G>(std::move(create->preset));
        }
    }
    const auto& path = std::get<game_init_config::LoadFrom>(config.value).path;
    std::unique_ptr<FileSource> file;
    try {
        file = std::make_unique<FileSource>(path);
    } catch (const std::exception& error) {
        throw GameInitError(READ_STATE_FAILED, error.what());
    }
    // A read error after the file has opened counts as a file that does not parse.
    try {
        G state = pakko::json::parse<G>(read_to_end(*file));
        if constexpr (requires { GameTraits<G>::validate(state); }) GameTraits<G>::validate(state);
        return state;
    } catch (const std::exception& error) {
        throw GameInitError(PARSE_STATE_FAILED, error.what());
    }
}

// As load_game_init, stopping the program on a failure.
template <Game G>
processor::GameInit<G> into_game_init(GameInitConfig<OptionsPresetOf<G>> config) {
    try {
        return load_game_init<G>(std::move(config));
    } catch (const GameInitError& error) {
        kimbly::expect_failed(error.step(), error.cause());
    }
}

}  // namespace tarnwick
