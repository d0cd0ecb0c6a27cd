#include "velmora/renderer/broken_data.hpp"

#include <kimbly/logger.hpp>

namespace velmora::renderer {

void BrokenDataLog::report(BrokenData kind, std::string_view detail) {
    bool& seen = reported_[static_cast<std::size_t>(kind)];
    if (seen) return;
    seen = true;
    kimbly::logger::warn("velmora::renderer", "{}; such entities and attacks are left out of the view", detail);
}

}  // namespace velmora::renderer
