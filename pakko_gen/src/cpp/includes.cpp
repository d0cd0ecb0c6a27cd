#include <algorithm>

#include "pakko_gen/cpp/declarations.hpp"
#include "pakko_gen/cpp/names.hpp"
#include <pakko/overloaded.hpp>

namespace pakko_gen::cpp {

void write_includes(Writer& writer, const pakko::Schema& schema) {
    std::vector<std::string> list{"<string>", "\"../Stream.hpp\""};
    collect_includes(list, schema, false);
    std::sort(list.begin(), list.end());
    list.erase(std::unique(list.begin(), list.end()), list.end());
    for (const auto& entry : list) writer.line("#include ", entry);
}

void collect_includes(std::vector<std::string>& list, const pakko::Schema& schema, bool own) {
    using S = pakko::Schema;
    auto named = [&] {
        if (!own) return;
        list.push_back("<stdexcept>");
        list.push_back("\"" + class_name(schema) + ".hpp\"");
    };
    auto fields = [&](const pakko::Struct& record) {
        for (const auto& field : record.fields) collect_includes(list, *field.schema, true);
    };
    auto container = [&](const char* header) {
        if (own) list.push_back(header);
    };
    std::visit(pakko::Overloaded{
                   [&](const pakko::Struct& record) {
                       named();
                       fields(record);
                   },
                   [&](const S::OneOf& one_of) {
                       named();
                       for (const auto& variant : one_of.variants) fields(variant);
                   },
                   [&](const S::Enum&) { named(); },
                   [&](const S::Option& option) {
                       container("<memory>");
                       collect_includes(list, *option.inner, true);
                   },
                   [&](const S::Vec& vec) {
                       container("<vector>");
                       collect_includes(list, *vec.element, true);
                   },
                   [&](const S::Map& map) {
                       container("<unordered_map>");
                       collect_includes(list, *map.key, true);
                       collect_includes(list, *map.value, true);
                   },
                   [](const auto&) {},
               },
               schema.value);
}

}  // namespace pakko_gen::cpp
