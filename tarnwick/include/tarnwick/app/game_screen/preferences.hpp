#pragma once
// The viewer's settings that outlive a run, kept in an autosaved JSON file
// and shared by the configuration screen, every game screen and the game's
// renderer, whose own settings are `R`.
#include <memory>

#include <pakko/describe.hpp>

namespace kimbly::autosave {
template <class T>
class AutoSave;
}

namespace tarnwick::app::game_screen {

template <class R>
struct AppPreferences {
    // Playback runs at 2^modifier times the renderer's base speed. The file
    // may hold any value; only the slider keeps it within -2..2.
    double view_speed_modifier = 0.0;
    // Kept and written back; nothing changes or uses it.
    double volume = 0.5;
    R renderer;

    bool operator==(const AppPreferences&) const = default;
};

template <class R>
constexpr auto pakko_describe(pakko::Tag<AppPreferences<R>>) {
    using P = AppPreferences<R>;
    return pakko::record<P>("AppPreferences", pakko::no_doc(),
                            pakko::field("view_speed_modifier", &P::view_speed_modifier),
                            pakko::field("volume", &P::volume), pakko::field("renderer", &P::renderer));
}

// The one autosaved record, shared by the screens and the game's renderer on
// the main thread.
template <class R>
using PreferencesHandle = std::shared_ptr<kimbly::autosave::AutoSave<AppPreferences<R>>>;

}  // namespace tarnwick::app::game_screen
