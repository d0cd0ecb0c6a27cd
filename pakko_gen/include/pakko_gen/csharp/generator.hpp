#pragma once
// The C# model: a file per record, one-of and enumeration under Model/, in
// the project's namespace followed by ".Model", reading and writing through
// the platform's binary reader and writer.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include <pakko/schema.hpp>

#include "pakko_gen/module_generator.hpp"
#include "pakko_gen/locals.hpp"
#include "pakko_gen/names.hpp"
#include "pakko_gen/writer.hpp"

namespace pakko_gen::csharp {

inline constexpr NameStyle NAMES{renames::CSHARP};

// Numbers, booleans, records and enumerations are value types: an absent
// one needs the nullable form.
bool value_kind(const pakko::Schema& schema);

// The C# type of a value of the schema, and its two parts around an array
// creation's count: int[][] is created as new int[count][].
std::string type_name(const pakko::Schema& schema);
std::string type_name_prearray(const pakko::Schema& schema);
std::string type_post_array(const pakko::Schema& schema);

extern const ModuleLanguage MODEL;

using Generator = ModuleGenerator<MODEL>;

// A struct, or for a variant (`base` set) a class derived from its base.
void write_struct(Writer& writer, const pakko::Struct& record, const std::optional<pakko::Name>& base,
                  std::size_t tag);

namespace statements {

// Statements that read one value of `schema` from `reader` into `target`.
void assign(Writer& writer, std::string_view target, const pakko::Schema& schema, LoopCounter& loops);
// Statements that write the value of the expression `value` to `writer`.
void write(Writer& writer, std::string_view value, const pakko::Schema& schema);

}  // namespace statements

}  // namespace pakko_gen::csharp
