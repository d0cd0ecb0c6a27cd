#include "pakko_gen/variants.hpp"

namespace pakko_gen {

void write_variants(Writer& writer, const std::string& base, const pakko::Schema::OneOf& one_of,
                    WriteStruct write_struct) {
    for (std::size_t tag = 0; tag < one_of.variants.size(); ++tag) {
        writer.line();
        write_struct(writer, one_of.variants[tag], VariantOf{base, tag});
    }
}

}  // namespace pakko_gen
