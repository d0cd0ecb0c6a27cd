#include "tarnwick/app/config_screen/player_cell.hpp"

#include <algorithm>

namespace tarnwick::app::config_screen {

void PlayerCell::calc_constraints() {
    const auto& content = child_constraints().min_size;
    core_.constraints = {{std::max(content.x, MIN_SIZE.x), std::max(content.y, MIN_SIZE.y)}, {0, 0}};
}

}  // namespace tarnwick::app::config_screen
