#include "pakko_gen/scala/names.hpp"

#include <pakko/overloaded.hpp>

#include "pakko_gen/stream_util.hpp"

namespace pakko_gen::scala {

std::string type_name(const pakko::Schema& schema) {
    using S = pakko::Schema;
    if (auto word = stream_util_word(schema)) return std::string(*word);
    return std::visit(pakko::Overloaded{
                          [](const S::Option& option) { return "Option[" + type_name(*option.inner) + "]"; },
                          [](const S::Vec& vec) { return "Seq[" + type_name(*vec.element) + "]"; },
                          [](const S::Map& map) {
                              return "Map[" + type_name(*map.key) + ", " + type_name(*map.value) + "]";
                          },
                          [&](const auto&) { return "model." + class_name(schema); },
                      },
                      schema.value);
}

}  // namespace pakko_gen::scala
