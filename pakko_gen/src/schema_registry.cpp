#include "pakko_gen/schema_registry.hpp"

#include "pakko_gen/assertion.hpp"
#include <pakko/overloaded.hpp>

namespace pakko_gen {

void SchemaRegistry::add(const pakko::Schema& schema, const Emit& emit) {
    auto key = schema.full_name();
    if (auto found = schemas_.find(key); found != schemas_.end()) {
        if (found->second == schema) return;
        equality_assertion_failed(found->second.debug_text(), schema.debug_text(),
                                  "Two schemas with same name but different structure");
    }
    // Registered before the walk, so that a schema reaching itself ends it.
    schemas_.emplace(std::move(key), schema);
    auto add_fields = [&](const pakko::Struct& record) {
        for (const auto& field : record.fields) add(*field.schema, emit);
    };
    std::visit(pakko::Overloaded{
                   [&](const pakko::Struct& record) { add_fields(record); },
                   [&](const pakko::Schema::OneOf& one_of) {
                       for (const auto& variant : one_of.variants) add_fields(variant);
                   },
                   [&](const pakko::Schema::Option& option) { add(*option.inner, emit); },
                   [&](const pakko::Schema::Vec& vec) { add(*vec.element, emit); },
                   [&](const pakko::Schema::Map& map) {
                       add(*map.key, emit);
                       add(*map.value, emit);
                   },
                   [](const auto&) {},
               },
               schema.value);
    emit(schema);
}

}  // namespace pakko_gen
