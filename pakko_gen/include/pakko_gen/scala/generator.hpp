#pragma once
// The Scala model: case classes, sealed traits and sealed enumerations in the
// package `model`, each with its reader and writer, and the stream
// helper util/StreamUtil.scala.
#include "pakko_gen/model_generator.hpp"

namespace pakko_gen::scala {

extern const ModelLanguage MODEL;

using Generator = ModelGenerator<MODEL>;

}  // namespace pakko_gen::scala
