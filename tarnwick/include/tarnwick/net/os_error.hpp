#pragma once
// Turns an errno value into the encoding's error type.
#include <string_view>

#include <pakko/io.hpp>

namespace tarnwick::net {

pakko::ErrorKind error_kind_of(int errnum) noexcept;

// "<context>: <system text> (os error N)", or without the context when empty.
pakko::IoError os_error(int errnum, std::string_view context = {});

}  // namespace tarnwick::net
