#include "tarnwick/player/stream.hpp"

#include <kimbly/logger.hpp>

namespace tarnwick::player::stream {

pakko::IoError protocol_error(std::string_view message) {
    return pakko::IoError(pakko::ErrorKind::Other, std::string(message));
}

void warn_finish_failed(std::string_view error) noexcept {
    try {
        kimbly::logger::warn(LOG_TARGET, "{}", error);
    } catch (...) {
        // Nothing is left to report it to.
    }
}

}  // namespace tarnwick::player::stream
