#pragma once
// The F# model: a file per record, union and enumeration under Model/, in
// the project's namespace followed by ".Model". F# compiles files in the
// order a project lists them, so the files stay in the order the types were
// added, each after the types it uses.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include <pakko/schema.hpp>

#include "pakko_gen/module_generator.hpp"
#include "pakko_gen/names.hpp"
#include "pakko_gen/writer.hpp"

namespace pakko_gen::fsharp {

inline constexpr NameStyle NAMES{renames::FSHARP};

// The F# type of a value of the schema.
std::string type_name(const pakko::Schema& schema);

extern const ModuleLanguage MODEL;

using Generator = ModuleGenerator<MODEL>;

// A record type; for a union case (`base` set) the record it carries, named
// after the union and the case, whose writer writes the case's tag first.
void write_struct(Writer& writer, const pakko::Struct& record, const std::optional<pakko::Name>& base,
                  std::size_t tag);

namespace statements {

// Statements that write the value of the expression `value` to `writer`.
void write(Writer& writer, std::string_view value, const pakko::Schema& schema);
// An expression that reads one value of `schema` from `reader`, continuing
// the line in progress and ending with a line break.
void read(Writer& writer, const pakko::Schema& schema);

}  // namespace statements

}  // namespace pakko_gen::fsharp
