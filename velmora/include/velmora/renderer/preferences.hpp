#pragma once
// The renderer's part of the viewer's preferences: which view it draws and
// the camera it last had.
#include <cstdint>
#include <optional>
#include <string_view>

#include <pakko/describe.hpp>
#include <tarnwick/app/game_screen/preferences.hpp>

#include "velmora/camera.hpp"

namespace velmora::renderer {

enum class RendererMode : std::int32_t {
    Schematic,
    Space,
};

constexpr auto pakko_describe(pakko::Tag<RendererMode>) {
    return pakko::enumeration<RendererMode>("RendererMode", pakko::no_doc(), pakko::variant("Schematic"),
                                            pakko::variant("Space"));
}

struct RendererPreferences {
    RendererMode mode = RendererMode::Space;
    // None until a renderer has stored its camera.
    std::optional<camera::Camera> camera;

    bool operator==(const RendererPreferences&) const = default;
};

constexpr auto pakko_describe(pakko::Tag<RendererPreferences>) {
    using P = RendererPreferences;
    return pakko::record<P>("RendererPreferences", pakko::no_doc(), pakko::field("mode", &P::mode),
                            pakko::field("camera", &P::camera));
}

using Preferences = tarnwick::app::game_screen::AppPreferences<RendererPreferences>;

// Relative to the working directory, which start-up sets to the program's folder.
inline constexpr std::string_view PREFERENCES_FILE = "velmora-preferences.json";

}  // namespace velmora::renderer
