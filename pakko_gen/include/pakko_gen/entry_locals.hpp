#pragma once
// Map readers and writers that hold each entry's key and value in locals:
// readers read them into declared locals before adding the entry, writers
// bind them from the entry before writing them.
#include <string>
#include <string_view>

#include <pakko/schema.hpp>

#include "pakko_gen/locals.hpp"
#include "pakko_gen/writer.hpp"

namespace pakko_gen {

// How one of the two locals is declared: the text before its name ("var ",
// "let ", or a type and a space), and the member of the entry it is given.
struct EntryLocal {
    std::string declare;
    std::string_view member;
};

using WriteValue = void (*)(Writer& writer, std::string_view value, const pakko::Schema& schema);

// The body of the loop over the entries `base`Entry: the locals `base`Key
// and `base`Value, then what `write` writes of each.
void write_entry_locals(Writer& writer, const std::string& base, const EntryLocal& key, const EntryLocal& value,
                        const pakko::Schema::Map& map, WriteValue write);

using TypeName = std::string (*)(const pakko::Schema& schema);
using AssignValue = void (*)(Writer& writer, std::string_view target, const pakko::Schema& schema,
                             LoopCounter& loops);

// The locals `base`Key and `base`Value, each declared with its type and then
// given what `assign` reads for it.
void read_entry_locals(Writer& writer, const std::string& base, const pakko::Schema::Map& map, TypeName type_name,
                       AssignValue assign, LoopCounter& loops);

}  // namespace pakko_gen
