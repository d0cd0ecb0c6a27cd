#pragma once
// The game renderer's camera before anyone moved it, and the timer that
// stores it into the preferences every few seconds.
#include <kimbly/vec2.hpp>

#include "velmora/camera.hpp"
#include "velmora/model/entity.hpp"

namespace velmora::renderer {

// Looking straight down at the middle of a map of side `map_size`, with
// the whole map and a margin in sight.
camera::Camera default_camera_for_map(model::usize map_size);

class CameraSaveTimer {
public:
    static constexpr double PERIOD_SECONDS = 5.0;

    // Counts `elapsed` seconds down; true when the timer went below 0, and
    // then it starts again from the period. Starting at 0, the first
    // positive step is due at once.
    bool update(double elapsed);

private:
    double seconds_left_ = 0;
};

}  // namespace velmora::renderer
