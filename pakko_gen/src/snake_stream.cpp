#include "pakko_gen/snake_stream.hpp"

#include <string>

#include "pakko_gen/field_kinds.hpp"

namespace pakko_gen::snake_stream {

using S = pakko::Schema;

bool assign_plain(Writer& writer, std::string_view target, const pakko::Schema& schema, const NameStyle& names) {
    if (auto word = primitive_word(schema); !word.empty()) {
        writer.line(target, " = stream.read_", word, "()");
    } else if (schema.get_if<pakko::Struct>() != nullptr || schema.get_if<S::OneOf>() != nullptr) {
        writer.line(target, " = ", names.type_name(schema), ".read_from(stream)");
    } else {
        return false;
    }
    return true;
}

bool write_plain(Writer& writer, std::string_view value, const pakko::Schema& schema) {
    if (auto word = primitive_word(schema); !word.empty()) {
        writer.line("stream.write_", word, "(", value, ")");
    } else if (schema.get_if<S::Enum>() != nullptr) {
        writer.line("stream.write_int(", value, ")");
    } else if (schema.get_if<pakko::Struct>() != nullptr || schema.get_if<S::OneOf>() != nullptr) {
        writer.line(value, ".write_to(stream)");
    } else {
        return false;
    }
    return true;
}

}  // namespace pakko_gen::snake_stream
