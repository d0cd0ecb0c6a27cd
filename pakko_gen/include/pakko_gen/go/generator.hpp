#pragma once
// The Go model: the stream package and one file of the package "model" per
// record, one-of and enumeration.
#include "pakko_gen/module_generator.hpp"

namespace pakko_gen::go {

// The package name given to the generator is the module path under which
// the model imports the stream package, kept as given.
extern const ModuleLanguage MODEL;

using Generator = ModuleGenerator<MODEL>;

}  // namespace pakko_gen::go
