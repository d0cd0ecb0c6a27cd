#pragma once
// Python and Ruby call their stream helpers alike: stream.read_int(),
// stream.write_int(value), Type.read_from(stream), value.write_to(stream).
#include <string_view>

#include <pakko/schema.hpp>

#include "pakko_gen/names.hpp"
#include "pakko_gen/writer.hpp"

namespace pakko_gen::snake_stream {

// Reads a primitive, a record or a one-of into `target`; false, with nothing
// written, for every other kind.
bool assign_plain(Writer& writer, std::string_view target, const pakko::Schema& schema, const NameStyle& names);

// Writes a primitive, a record, a one-of or an enumeration; false, with
// nothing written, for a container.
bool write_plain(Writer& writer, std::string_view value, const pakko::Schema& schema);

}  // namespace pakko_gen::snake_stream
