#include "tarnwick/net/os_error.hpp"

#include <cerrno>
#include <cstring>
#include <string>

namespace tarnwick::net {

pakko::ErrorKind error_kind_of(int errnum) noexcept {
    switch (errnum) {
        case ECONNRESET:
        case ECONNABORTED:
            return pakko::ErrorKind::ConnectionReset;
        case EPIPE:
            return pakko::ErrorKind::BrokenPipe;
        case EAGAIN:
#if EWOULDBLOCK != EAGAIN
        case EWOULDBLOCK:
#endif
        case ETIMEDOUT:
            return pakko::ErrorKind::TimedOut;
        case ENOENT:
            return pakko::ErrorKind::NotFound;
        case EACCES:
        case EPERM:
            return pakko::ErrorKind::PermissionDenied;
        default:
            return pakko::ErrorKind::Os;
    }
}

pakko::IoError os_error(int errnum, std::string_view context) {
    std::string message;
    if (!context.empty()) {
        message.append(context).append(": ");
    }
    // strerror is not thread-safe; the GNU strerror_r returns the text to use.
    char buffer[256];
    message.append(::strerror_r(errnum, buffer, sizeof buffer));
    message.append(" (os error ").append(std::to_string(errnum)).append(")");
    return pakko::IoError(error_kind_of(errnum), message);
}

}  // namespace tarnwick::net
