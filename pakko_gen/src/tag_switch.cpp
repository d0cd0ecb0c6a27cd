#include "pakko_gen/tag_switch.hpp"

namespace pakko_gen {

void write_tag_switch(Writer& writer, std::string_view switch_head, const pakko::Schema::OneOf& one_of,
                      const NameStyle& names, std::string_view stream, std::string_view unknown) {
    writer.braced(switch_head, [&] {
        for (const auto& variant : one_of.variants) {
            auto name = names.camel_case(variant.name);
            writer.line("case ", name, ".TAG:");
            writer.line("    return ", name, ".readFrom(", stream, ");");
        }
        writer.line("default:");
        writer.line("    ", unknown);
    });
}

}  // namespace pakko_gen
