#include "tarnwick/net/owned_fd.hpp"

#include <unistd.h>

namespace tarnwick::net {

void OwnedFd::reset() noexcept {
    if (fd_ >= 0) {
        // No retry on EINTR: on Linux the descriptor is gone either way, and a
        // second close could hit a descriptor another thread has just opened.
        ::close(fd_);
        fd_ = -1;
    }
}

}  // namespace tarnwick::net
