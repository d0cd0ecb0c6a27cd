#pragma once
// The Ruby model: a file per record, one-of and enumeration under model/,
// model.rb that requires them all, and the stream helper.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include <pakko/schema.hpp>

#include "pakko_gen/module_generator.hpp"
#include "pakko_gen/names.hpp"
#include "pakko_gen/writer.hpp"

namespace pakko_gen::ruby {

inline constexpr NameStyle NAMES{renames::CPP};

extern const ModuleLanguage MODEL;

using Generator = ModuleGenerator<MODEL>;

// One class; a variant (`base` set) carries its TAG and writes it first.
void write_struct(Writer& writer, const pakko::Struct& record, const std::optional<pakko::Name>& base,
                  std::size_t tag);

namespace statements {

// The require lines one field's schema needs, repeats and enumerations included.
void add_for_field(Writer& writer, const pakko::Schema& schema);
// Statements that read one value of `schema` into the local `target`.
void assign(Writer& writer, std::string_view target, const pakko::Schema& schema);
// Statements that write the value of the expression `value`.
void write(Writer& writer, std::string_view value, const pakko::Schema& schema);

}  // namespace statements

}  // namespace pakko_gen::ruby
