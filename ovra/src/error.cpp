#include "ovra/error.hpp"

namespace ovra::error {

Error from_code(std::uint32_t code) {
    switch (code) {
        case 1280:
        case 1281:
        case 1282:
        case 1285:
        case 1286:
            return static_cast<Error>(code);
        default:
            return Error::Unknown;
    }
}

std::string_view name(Error kind) {
    switch (kind) {
        case Error::InvalidEnum: return "InvalidEnum";
        case Error::InvalidValue: return "InvalidValue";
        case Error::InvalidOperation: return "InvalidOperation";
        case Error::OutOfMemory: return "OutOfMemory";
        case Error::InvalidFramebufferOperation: return "InvalidFramebufferOperation";
        case Error::Unknown: break;
    }
    return "Unknown";
}

}  // namespace ovra::error
