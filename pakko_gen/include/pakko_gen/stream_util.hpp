#pragma once
// The primitive operations of the JVM languages' stream helper, which share
// their names: readInt and writeInt, readString and writeString, and so on.
#include <optional>
#include <string_view>

#include <pakko/schema.hpp>

namespace pakko_gen {

// "Boolean", "Int", "Long", "Float", "Double" or "String" for the schemas read
// and written by one helper call; none for every other kind.
std::optional<std::string_view> stream_util_word(const pakko::Schema& schema);

}  // namespace pakko_gen
