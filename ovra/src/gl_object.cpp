#include "ovra/gl_object.hpp"

#include <fmt/format.h>
#include <kimbly/panic.hpp>

namespace ovra {

ovra_raw::Handle handed_out(std::optional<ovra_raw::Handle> handle, std::string_view what) {
    if (!handle) kimbly::panic(fmt::format("GL handed out no {}", what));
    return *handle;
}

}  // namespace ovra
