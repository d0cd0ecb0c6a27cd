#pragma once
// The Python model: a module per record, one-of and enumeration under
// model/, the package's __init__ that imports them all, and the stream helper.
#include <cstddef>
#include <optional>

#include <pakko/schema.hpp>

#include "pakko_gen/module_generator.hpp"
#include "pakko_gen/names.hpp"
#include "pakko_gen/writer.hpp"

namespace pakko_gen::python {

inline constexpr NameStyle NAMES{renames::CPP};

extern const ModuleLanguage MODEL;

using Generator = ModuleGenerator<MODEL>;

// One class, with the import lines its fields need directly above it. A
// variant (`base` set) carries its TAG and is attached to its base class.
void write_struct(Writer& writer, const pakko::Struct& record, const std::optional<pakko::Name>& base,
                  std::size_t tag);

}  // namespace pakko_gen::python
