#include "pakko_gen/go/code.hpp"

#include <fmt/format.h>
#include <pakko/overloaded.hpp>

#include "pakko_gen/result_fields.hpp"

namespace pakko_gen::go {

std::string type_name(const pakko::Schema& schema) {
    using S = pakko::Schema;
    return std::visit(pakko::Overloaded{
                          [](const S::Bool&) -> std::string { return "bool"; },
                          [](const S::Int32&) -> std::string { return "int32"; },
                          [](const S::Int64&) -> std::string { return "int64"; },
                          [](const S::Float32&) -> std::string { return "float32"; },
                          [](const S::Float64&) -> std::string { return "float64"; },
                          [](const S::String&) -> std::string { return "string"; },
                          [](const pakko::Struct& record) { return NAMES.camel_case(record.name); },
                          [](const S::OneOf& one_of) { return NAMES.camel_case(one_of.base_name); },
                          [](const S::Enum& enumeration) { return NAMES.camel_case(enumeration.base_name); },
                          [](const S::Option& option) { return fmt::format("*{}", type_name(*option.inner)); },
                          [](const S::Vec& vec) { return fmt::format("[]{}", type_name(*vec.element)); },
                          [](const S::Map& map) {
                              return fmt::format("map[{}]{}", type_name(*map.key), type_name(*map.value));
                          },
                      },
                      schema.value);
}

void write_struct(Writer& writer, const pakko::Struct& record, const std::optional<VariantOf>& variant_of) {
    auto name = variant_of ? variant_of->base + NAMES.camel_case(record.name) : NAMES.camel_case(record.name);
    writer.braced("type " + name + " struct {", [&] {
        for (const auto& field : record.fields) writer.line(NAMES.camel_case(field.name), " ", type_name(*field.schema));
    });

    std::string parameters;
    for (const auto& field : record.fields) {
        if (!parameters.empty()) parameters += ", ";
        parameters += NAMES.mixed_case(field.name) + " " + type_name(*field.schema);
    }
    writer.braced("func New" + name + "(" + parameters + ") " + name + " {", [&] {
        writer.braced("return " + name + " {", [&] {
            for (const auto& field : record.fields) {
                writer.line(NAMES.camel_case(field.name), ": ", NAMES.mixed_case(field.name), ",");
            }
        });
    });

    writer.braced("func Read" + name + "(reader io.Reader) " + name + " {", [&] {
        writer.line("result := ", name, " {}");
        assign_result_fields(writer, record, NAMES, &NameStyle::camel_case, statements::assign);
        writer.line("return result");
    });

    writer.braced("func (value " + name + ") Write(writer io.Writer) {", [&] {
        if (variant_of) writer.line("WriteInt32(writer, ", std::to_string(variant_of->tag), ")");
        if (record.magic) writer.line("WriteInt32(writer, ", std::to_string(*record.magic), ")");
        for (const auto& field : record.fields) {
            statements::write(writer, "value." + NAMES.camel_case(field.name), *field.schema);
        }
    });
}

}  // namespace pakko_gen::go
