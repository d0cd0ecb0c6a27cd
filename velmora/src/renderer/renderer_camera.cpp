#include "velmora/renderer/renderer_camera.hpp"

namespace velmora::renderer {

camera::Camera default_camera_for_map(model::usize map_size) {
    const float side = float(map_size);
    return camera::Camera{{side / 2, side / 2}, 0.0f, camera::HALF_PI, (side + 10) / 2, true};
}

bool CameraSaveTimer::update(double elapsed) {
    seconds_left_ -= elapsed;
    if (!(seconds_left_ < 0)) return false;
    seconds_left_ = PERIOD_SECONDS;
    return true;
}

}  // namespace velmora::renderer
