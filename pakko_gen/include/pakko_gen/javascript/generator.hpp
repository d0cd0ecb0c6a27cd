#pragma once
// The JavaScript model: a CommonJS module per record, one-of and enumeration
// under model/, an index module that exports them all, and the stream helper.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include <pakko/schema.hpp>

#include "pakko_gen/module_generator.hpp"
#include "pakko_gen/locals.hpp"
#include "pakko_gen/names.hpp"
#include "pakko_gen/writer.hpp"

namespace pakko_gen::javascript {

inline constexpr NameStyle NAMES{renames::CPP};

// The module file of a type, without folder and extension: the snake_case
// name with hyphens for underscores.
std::string file_name(const pakko::Name& name);

extern const ModuleLanguage MODEL;

using Generator = ModuleGenerator<MODEL>;

// The require lines of a record's or a one-of's module, each module once;
// enumerations need none.
void write_imports(Writer& writer, const pakko::Schema& schema);

// One class. A variant (`base` set) extends its base class, writes its TAG
// first and is attached to the base class.
void write_struct(Writer& writer, const pakko::Struct& record, const std::optional<pakko::Name>& base,
                  std::size_t tag);

namespace statements {

// Statements that read one value of `schema` into the local `target`.
void assign(Writer& writer, std::string_view target, const pakko::Schema& schema, LoopCounter& loops);
// Statements that write the value of the expression `value`.
void write(Writer& writer, std::string_view value, const pakko::Schema& schema);

}  // namespace statements

}  // namespace pakko_gen::javascript
