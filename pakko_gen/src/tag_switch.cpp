#include "pakko_gen/tag_switch.hpp"

namespace pakko_gen {

void write_tag_switch(Writer& writer, std::string_view switch_head, const pakko::Schema::OneOf& one_of,
                      const NameStyle& names, std::string_view read_call, std::string_view unknown) {
    writer.braced(switch_head, [&] {
        for (const auto& variant : one_of.variants) {
            auto name = names.camel_case(variant.name);
            writer.line("case ", name, ".TAG:");
            writer.line("    return ", name, ".", read_call, ";");
        }
        writer.line("default:");
        writer.line("    ", unknown);
    });
}

void write_enum_switch(Writer& writer, std::string_view switch_head, std::string_view target,
                       const pakko::Schema::Enum& enumeration,
                       const std::function<std::string(const pakko::Name&)>& variant, std::string_view unknown) {
    writer.line(switch_head);
    for (std::size_t k = 0; k < enumeration.variants.size(); ++k) {
        writer.line("case ", std::to_string(k), ":");
        writer.line("    ", target, " = ", variant(enumeration.variants[k].name), ";");
        writer.line("    break;");
    }
    writer.line("default:");
    writer.line("    ", unknown);
    writer.line("}");
}

}  // namespace pakko_gen
