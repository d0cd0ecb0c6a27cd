#pragma once
// The Ruby model: a file per record, one-of and enumeration under model/,
// model.rb that requires them all, and the stream helper.
#include <cstddef>
#include <optional>

#include <pakko/schema.hpp>

#include "pakko_gen/module_generator.hpp"
#include "pakko_gen/names.hpp"
#include "pakko_gen/writer.hpp"

namespace pakko_gen::ruby {

inline constexpr NameStyle NAMES{renames::CPP};

extern const ModuleLanguage MODEL;

using Generator = ModuleGenerator<MODEL>;

// The require lines the fields of `record` need, repeats and enumerations included.
void write_requires(Writer& writer, const pakko::Struct& record);

// One class; a variant (`base` set) carries its TAG and writes it first.
void write_struct(Writer& writer, const pakko::Struct& record, const std::optional<pakko::Name>& base,
                  std::size_t tag);

}  // namespace pakko_gen::ruby
