#pragma once
// What the game screen writes through the save dialog: the shown game state
// as JSON, and everything the history holds as a game log. A file that
// cannot be written whole is logged; the match goes on.
#include <string_view>

#include <kimbly/dialogs.hpp>
#include <kimbly/localization.hpp>
#include <pakko/io.hpp>
#include <pakko/json.hpp>

namespace tarnwick::app::game_screen {

inline constexpr std::string_view LOG_TARGET = "tarnwick::app::game_screen";

// Registers the screen's English and Russian texts.
void add_translations();

// Runs the save dialog and `write` on the chosen file; false when it failed, after logging `failure`.
bool save_through_dialog(std::string_view title, std::string_view default_name, std::string_view failure,
                         const kimbly::ContentWriter& write);

template <class G>
bool save_game_state(const G& game) {
    return save_through_dialog(kimbly::localization::translate("Save game state"), "game.json",
                               "Failed to save game state", [&](pakko::Writer& writer) {
                                   const std::string text = pakko::json::dump(game);
                                   writer.write_all(std::as_bytes(std::span(text.data(), text.size())));
                               });
}

template <class History>
bool save_game_log(const History& history) {
    return save_through_dialog(kimbly::localization::translate("Save game log"), "game.log", "Failed to save game log",
                               [&](pakko::Writer& writer) {
                                   if (auto error = history.save(writer)) throw *error;
                               });
}

}  // namespace tarnwick::app::game_screen
