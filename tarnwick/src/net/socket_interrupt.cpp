#include "tarnwick/net/socket_interrupt.hpp"

#include <sys/socket.h>

namespace tarnwick::net {

void SocketInterrupt::interrupt() noexcept {
    std::lock_guard lock(mutex_);
    if (socket_) ::shutdown(socket_->native_handle(), SHUT_RDWR);
}

void SocketInterrupt::release() noexcept {
    std::lock_guard lock(mutex_);
    socket_.reset();
}

}  // namespace tarnwick::net
