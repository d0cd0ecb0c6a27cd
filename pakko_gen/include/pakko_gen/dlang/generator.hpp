#pragma once
// The D model: the stream module, one module per record, one-of and
// enumeration, and the package module that imports them all.
#include "pakko_gen/module_generator.hpp"

namespace pakko_gen::dlang {

extern const ModuleLanguage MODEL;

using Generator = ModuleGenerator<MODEL>;

}  // namespace pakko_gen::dlang
