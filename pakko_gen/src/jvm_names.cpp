#include "pakko_gen/jvm_names.hpp"

namespace pakko_gen::jvm {

std::string conv(std::string_view text) { return apply_renames(text, renames::JVM); }

std::string class_name(const pakko::Schema& schema) { return camel_type_name(NAMES, schema); }

}  // namespace pakko_gen::jvm
