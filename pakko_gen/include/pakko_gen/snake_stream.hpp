#pragma once
// Python and Ruby call their stream helpers alike: stream.read_int(),
// stream.write_int(value), Type.read_from(stream), value.write_to(stream),
// and their readers and writers differ only in the words that L gives:
//
//   static constexpr const NameStyle& NAMES;
//   static constexpr std::string_view COLON;      // after a block's head
//   static constexpr std::string_view END;        // the line closing a block; empty: none
//   static constexpr std::string_view NONE, FALSE, TRUE;
//   static constexpr std::string_view IS_NONE;    // after the value tested
//   static constexpr std::string_view EMPTY_MAP;
//   static constexpr std::string_view APPEND;     // the method adding to a list
//   static constexpr std::string_view REPEAT;     // the head of a loop over a read count
//   static constexpr std::string_view ITEMS;      // after a map iterated over its pairs
//   static std::string length(std::string_view value);
//   // The head of a loop binding `names` to each of `items`.
//   static std::string each(std::string_view items, std::string_view names);
//   static void read_enum(Writer&, const std::string& target, const pakko::Schema&);
#include <string>
#include <string_view>

#include <pakko/schema.hpp>

#include "pakko_gen/field_kinds.hpp"
#include "pakko_gen/names.hpp"
#include "pakko_gen/writer.hpp"

namespace pakko_gen::snake_stream {

// Reads a primitive, a record or a one-of into `target`; false, with nothing
// written, for every other kind.
bool assign_plain(Writer& writer, std::string_view target, const pakko::Schema& schema, const NameStyle& names);

// Writes a primitive, a record, a one-of or an enumeration; false, with
// nothing written, for a container.
bool write_plain(Writer& writer, std::string_view value, const pakko::Schema& schema);

// `head`, then what `body` writes one level deeper, then L::END if any.
template <class L, class Body>
void block(Writer& writer, std::string_view head, Body&& body) {
    writer.line(head);
    writer.indent();
    body();
    writer.unindent();
    if (!L::END.empty()) writer.line(L::END);
}

// Statements that read one value of `schema` into the local `target`.
template <class L>
void assign(Writer& writer, std::string_view target, const pakko::Schema& schema) {
    if (assign_plain(writer, target, schema, L::NAMES)) return;
    const std::string t(target);
    auto on_option = [&](const pakko::Schema::Option& option) {
        writer.if_else(
            std::string("if stream.read_bool()") + std::string(L::COLON), [&] { assign<L>(writer, t, *option.inner); },
            std::string("else") + std::string(L::COLON), [&] { writer.line(t, " = ", L::NONE); }, L::END);
    };
    auto on_vec = [&](const pakko::Schema::Vec& vec) {
        writer.line(t, " = []");
        block<L>(writer, L::REPEAT, [&] {
            assign<L>(writer, t + "_element", *vec.element);
            writer.line(t, ".", L::APPEND, "(", t, "_element)");
        });
    };
    auto on_map = [&](const pakko::Schema::Map& map) {
        writer.line(t, " = ", L::EMPTY_MAP);
        block<L>(writer, L::REPEAT, [&] {
            assign<L>(writer, t + "_key", *map.key);
            assign<L>(writer, t + "_value", *map.value);
            writer.line(t, "[", t, "_key] = ", t, "_value");
        });
    };
    if (visit_container(schema, on_option, on_vec, on_map)) return;
    if (schema.get_if<pakko::Schema::Enum>() != nullptr) L::read_enum(writer, t, schema);
}

// Statements that write the value of the expression `value`.
template <class L>
void write(Writer& writer, std::string_view value, const pakko::Schema& schema) {
    if (write_plain(writer, value, schema)) return;
    const std::string v(value);
    auto on_option = [&](const pakko::Schema::Option& option) {
        writer.if_else(
            "if " + v + std::string(L::IS_NONE) + std::string(L::COLON),
            [&] { writer.line("stream.write_bool(", L::FALSE, ")"); }, std::string("else") + std::string(L::COLON),
            [&] {
                writer.line("stream.write_bool(", L::TRUE, ")");
                write<L>(writer, v, *option.inner);
            },
            L::END);
    };
    auto on_vec = [&](const pakko::Schema::Vec& vec) {
        writer.line("stream.write_int(", L::length(v), ")");
        block<L>(writer, L::each(v, "element"), [&] { write<L>(writer, "element", *vec.element); });
    };
    auto on_map = [&](const pakko::Schema::Map& map) {
        writer.line("stream.write_int(", L::length(v), ")");
        block<L>(writer, L::each(v + std::string(L::ITEMS), "key, value"), [&] {
            write<L>(writer, "key", *map.key);
            write<L>(writer, "value", *map.value);
        });
    };
    visit_container(schema, on_option, on_vec, on_map);
}

}  // namespace pakko_gen::snake_stream
