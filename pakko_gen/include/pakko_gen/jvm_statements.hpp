#pragma once
// The reader and writer statements of Java and Kotlin. They differ only in
// how a statement ends (L::END), in the expression a written optional value
// is tested through (L::option_value, which may declare a local for it), and
// in what L writes for enumerations, lists and maps (L::read_enum,
// L::read_vec, L::read_map, L::write_vec, L::write_map).
#include <string>
#include <string_view>

#include <pakko/schema.hpp>

#include "pakko_gen/locals.hpp"
#include "pakko_gen/model_generator.hpp"
#include "pakko_gen/writer.hpp"

namespace pakko_gen {

template <class L>
void assign_value(Writer& writer, std::string_view target, const pakko::Schema& schema, LoopCounter& loops) {
    const std::string t(target);
    auto read_option = [&](const pakko::Schema::Option& option) {
        writer.if_else(
            "if (StreamUtil.readBoolean(stream)) {", [&] { assign_value<L>(writer, t, *option.inner, loops); },
            "} else {", [&] { writer.line(t, " = null", L::END); });
    };
    visit_value(
        schema,
        {
            .primitive = [&](std::string_view word) { writer.line(t, " = StreamUtil.read", word, "(stream)", L::END); },
            .named = [&] { writer.line(t, " = model.", L::class_name(schema), ".readFrom(stream)", L::END); },
            .enumeration =
                [&](const pakko::Schema::Enum& enumeration) { L::read_enum(writer, t, schema, enumeration); },
            .option = read_option,
            .vec = [&](const pakko::Schema::Vec& vec) { L::read_vec(writer, t, vec, loops); },
            .map = [&](const pakko::Schema::Map& map) { L::read_map(writer, t, map, loops); },
        });
}

template <class L>
void write_value(Writer& writer, std::string_view value, const pakko::Schema& schema) {
    const std::string v(value);
    auto write_option = [&](const pakko::Schema::Option& option) {
        const std::string tested = L::option_value(writer, v);
        writer.if_else(
            "if (" + tested + " == null) {", [&] { writer.line("StreamUtil.writeBoolean(stream, false)", L::END); },
            "} else {",
            [&] {
                writer.line("StreamUtil.writeBoolean(stream, true)", L::END);
                write_value<L>(writer, tested, *option.inner);
            });
    };
    visit_value(
        schema,
        {
            .primitive =
                [&](std::string_view word) { writer.line("StreamUtil.write", word, "(stream, ", v, ")", L::END); },
            .named = [&] { writer.line(v, ".writeTo(stream)", L::END); },
            .enumeration =
                [&](const pakko::Schema::Enum&) { writer.line("StreamUtil.writeInt(stream, ", v, ".tag)", L::END); },
            .option = write_option,
            .vec = [&](const pakko::Schema::Vec& vec) { L::write_vec(writer, v, vec); },
            .map = [&](const pakko::Schema::Map& map) { L::write_map(writer, v, map); },
        });
}

}  // namespace pakko_gen
