#pragma once
// The readers of one-ofs and enumerations as a switch over the tag read.
#include <functional>
#include <string>
#include <string_view>

#include <pakko/schema.hpp>

#include "pakko_gen/names.hpp"
#include "pakko_gen/writer.hpp"

namespace pakko_gen {

// At the writer's level: `switch_head` (the opening line of a switch over
// the tag read, one line or more); one level deeper, per variant V
// "case V.TAG:" and "    return V." + `read_call` + ";", then "default:" and
// "    " + `unknown`; then "}". V is the CamelCase of the variant's name in
// `names`.
void write_tag_switch(Writer& writer, std::string_view switch_head, const pakko::Schema::OneOf& one_of,
                      const NameStyle& names, std::string_view read_call, std::string_view unknown);

// At the writer's level: `switch_head` (the opening of a switch over the tag
// read, one line or more); per variant "case k:", "    " + `target` + " = " +
// `variant(name)` + ";" and "    break;"; then "default:", "    " + `unknown`
// and "}".
void write_enum_switch(Writer& writer, std::string_view switch_head, std::string_view target,
                       const pakko::Schema::Enum& enumeration,
                       const std::function<std::string(const pakko::Name&)>& variant, std::string_view unknown);

}  // namespace pakko_gen
