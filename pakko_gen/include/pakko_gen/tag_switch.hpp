#pragma once
// The reader of a one-of in the languages whose variant classes carry their
// own TAG and readFrom.
#include <string_view>

#include <pakko/schema.hpp>

#include "pakko_gen/names.hpp"
#include "pakko_gen/writer.hpp"

namespace pakko_gen {

// At the writer's level: `switch_head` (the opening line of a switch over
// the tag read); one level deeper, per variant V "case V.TAG:" and
// "    return V.readFrom(<stream>);", then "default:" and "    " + `unknown`;
// then "}". V is the CamelCase of the variant's name in `names`.
void write_tag_switch(Writer& writer, std::string_view switch_head, const pakko::Schema::OneOf& one_of,
                      const NameStyle& names, std::string_view stream, std::string_view unknown);

}  // namespace pakko_gen
