#include "pakko_gen/entry_locals.hpp"

namespace pakko_gen {

void write_entry_locals(Writer& writer, const std::string& base, const EntryLocal& key, const EntryLocal& value,
                        const pakko::Schema::Map& map, WriteValue write) {
    writer.line(key.declare, base, "Key = ", base, "Entry", key.member, ";");
    writer.line(value.declare, base, "Value = ", base, "Entry", value.member, ";");
    write(writer, base + "Key", *map.key);
    write(writer, base + "Value", *map.value);
}

void read_entry_locals(Writer& writer, const std::string& base, const pakko::Schema::Map& map, TypeName type_name,
                       AssignValue assign, LoopCounter& loops) {
    writer.line(type_name(*map.key), " ", base, "Key;");
    assign(writer, base + "Key", *map.key, loops);
    writer.line(type_name(*map.value), " ", base, "Value;");
    assign(writer, base + "Value", *map.value, loops);
}

}  // namespace pakko_gen
