#pragma once
// What the configuration screen reads and writes on the way into a match.
// Every file here comes from a dialog, so every failure is refused and
// answered with nothing: the screen stays and shows why, and nothing
// half-made (a thread, a player taken from its row) is left behind.
#include <cstddef>
#include <exception>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include <fmt/format.h>
#include <kimbly/dialogs.hpp>
#include <kimbly/localization.hpp>
#include <kimbly/logger.hpp>

#include "tarnwick/app/history/history.hpp"
#include "tarnwick/lib/byte_source.hpp"
#include "tarnwick/lib/config_file.hpp"
#include "tarnwick/lib/full_options.hpp"
#include "tarnwick/processor/game_processor.hpp"
#include "tarnwick/processor/repeat.hpp"

namespace tarnwick::app::config_screen {

inline constexpr std::string_view LOG_TARGET = "tarnwick::app::config_screen";

// Why the screen's last action was refused. A refusal is logged and kept, so
// that the screen can show it until the user acts again.
class Refusal {
public:
    // Logs "{what}: {error}" and keeps it as the message.
    void refuse(std::string_view what, std::string_view error);
    void clear() { message_.reset(); }
    const std::optional<std::string>& message() const { return message_; }

private:
    std::optional<std::string> message_;
};

// The file name of a path, when it has one that is UTF-8.
std::optional<std::string> file_name(const std::filesystem::path& path);

// file_name of a path chosen in a dialog; none after refusing it.
std::optional<std::string> readable_name(const std::filesystem::path& path, Refusal& refusal);

// Whether the path is UTF-8 text; false after refusing `what` with why.
bool check_utf8(const std::filesystem::path& path, std::string_view what, Refusal& refusal);

// Opens a file chosen in a dialog; none after refusing `what` with the error.
std::unique_ptr<FileSource> open_file(const std::filesystem::path& path, std::string_view what, Refusal& refusal);

// The refusal of a game that does not have one player for each row.
std::string player_count_mismatch(std::string_view source, std::size_t in_file, std::size_t chosen);

template <Game G>
struct MatchStart {
    // The game a match of `players` players starts from. A saved state must
    // have exactly that many players: the processor keeps one slot per
    // player, and a state's extra players would never be asked.
    static std::optional<processor::GameInit<G>> game(GameInitConfig<OptionsPresetOf<G>> config, std::size_t players,
                                                      Refusal& refusal) {
        try {
            auto init = load_game_init<G>(std::move(config));
            if (const G* state = std::get_if<G>(&init); state && GameTraits<G>::player_count(*state) != players) {
                refusal.refuse(PARSE_STATE_FAILED,
                               player_count_mismatch("game state", GameTraits<G>::player_count(*state), players));
                return std::nullopt;
            }
            return init;
        } catch (const GameInitError& error) {
            refusal.refuse(error.step(), error.cause());
            return std::nullopt;
        }
    }

    // A game log read into a history on its own reader thread.
    template <class R>
    static std::optional<history::History<G, R>> replay(const std::filesystem::path& path, Refusal& refusal) {
        constexpr std::string_view FAILED = "Failed to load replay";
        if (!check_utf8(path, FAILED, refusal)) return std::nullopt;
        try {
            auto history = history::History<G, R>::load(path);
            processor::processor_strategy::repeat::validate_state(history.current_state().game);
            return history;
        } catch (const std::exception& error) {
            refusal.refuse(FAILED, error.what());
            return std::nullopt;
        }
    }

    // The game log to repeat with `players` players, once its first state has
    // been read and checked here, before a processor thread could stumble on it.
    static std::unique_ptr<ByteSource> repeated_log(const std::filesystem::path& path, std::size_t players,
                                                    Refusal& refusal) {
        constexpr std::string_view OPEN_FAILED = "Failed to open game log file";
        using processor::processor_strategy::repeat::READ_FAILED;
        auto peek = open_file(path, OPEN_FAILED, refusal);
        if (!peek) return nullptr;
        try {
            BufferedSource reader(std::move(peek));
            const G initial = processor::processor_strategy::repeat::read_initial_state<G>(reader);
            if (GameTraits<G>::player_count(initial) < players) {
                refusal.refuse(READ_FAILED, player_count_mismatch("game log", GameTraits<G>::player_count(initial), players));
                return nullptr;
            }
        } catch (const std::exception& error) {
            refusal.refuse(READ_FAILED, error.what());
            return nullptr;
        }
        return open_file(path, OPEN_FAILED, refusal);
    }

    // Through the save dialog; a file that could not be written whole is refused.
    static void save_config(const FullOptionsOf<G>& options, Refusal& refusal) {
        try {
            kimbly::save_file(kimbly::localization::translate("save config"), "config.json",
                              [&](pakko::Writer& writer) { save(options, writer); });
        } catch (const pakko::IoError& error) {
            refusal.refuse("Failed to save config", error.what());
        }
    }
};

}  // namespace tarnwick::app::config_screen
