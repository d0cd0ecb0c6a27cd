#pragma once
// The Java model: a class per record, one-of and enumeration in the package
// `model`, each with its reader and writer, and the stream
// helper util/StreamUtil.java.
#include "pakko_gen/model_generator.hpp"

namespace pakko_gen::java {

extern const ModelLanguage MODEL;

using Generator = ModelGenerator<MODEL>;

}  // namespace pakko_gen::java
