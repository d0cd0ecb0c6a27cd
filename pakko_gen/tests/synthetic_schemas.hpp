#pragma once
// Small schemas built by hand, one per shape a generator must handle, for the
// golden-text tables of every language.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <pakko/schema.hpp>

namespace pakko_gen::testing {

using pakko::Schema;
using pakko::SchemaPtr;

inline SchemaPtr shared(Schema schema) { return std::make_shared<const Schema>(std::move(schema)); }

inline pakko::Documentation docs(const std::string& en, const std::string& ru) {
    return {{{"en", en}, {"ru", ru}}};
}

inline pakko::Field field(const char* name, SchemaPtr schema) {
    return {docs(std::string("The ") + name, std::string("Поле ") + name), pakko::Name(name), std::move(schema)};
}

inline pakko::Struct record(const char* name, std::vector<pakko::Field> fields) {
    return {std::nullopt, docs(std::string("A ") + name, std::string("Запись ") + name), pakko::Name(name),
            std::move(fields)};
}

inline SchemaPtr int32() { return shared(Schema::Int32{}); }
inline SchemaPtr option(SchemaPtr inner) { return shared(Schema::Option{std::move(inner)}); }
inline SchemaPtr vec(SchemaPtr element) { return shared(Schema::Vec{std::move(element)}); }
inline SchemaPtr map(SchemaPtr key, SchemaPtr value) { return shared(Schema::Map{std::move(key), std::move(value)}); }

inline SchemaPtr enumeration(const char* name, const std::vector<const char*>& values) {
    Schema::Enum result{docs(std::string("Kinds of ") + name, std::string("Виды ") + name), pakko::Name(name), {}};
    for (const char* value : values) result.variants.push_back({docs(value, value), pakko::Name(value)});
    return shared(result);
}

// The integer vector: two Int32 fields x and y.
inline SchemaPtr vec2_int() { return shared(record("Vec2Int32", {field("x", int32()), field("y", int32())})); }

inline SchemaPtr one_value_enum() { return enumeration("Single", {"Only"}); }
inline SchemaPtr three_value_enum() { return enumeration("UnitKind", {"Worker", "RangedUnit", "Turret"}); }

// A record with one field of each composed kind.
inline SchemaPtr squad() {
    return shared(record("Squad", {field("leader_id", option(int32())),
                                   field("positions", vec(vec2_int())),
                                   field("targets", map(three_value_enum(), vec2_int())),
                                   field("name", shared(Schema::String{})),
                                   field("active", shared(Schema::Bool{})),
                                   field("speed", shared(Schema::Float32{})),
                                   field("max_int64", shared(Schema::Int64{}))}));
}

// A one-of whose first variant has fields and whose second has none.
inline SchemaPtr command() {
    auto move = record("Move", {field("target", vec2_int()), field("speed", shared(Schema::Float64{}))});
    return shared(Schema::OneOf{docs("A command", "Команда"), pakko::Name("Command"), {move, record("Stop", {})}});
}

// A record whose only field is a record with composed fields: its header
// needs what that record's fields need.
inline SchemaPtr team() { return shared(record("Team", {field("squad", squad())})); }

inline SchemaPtr empty_record() { return shared(record("Nothing", {})); }

// Loops inside one field: a list of lists of lists, and a map whose key and
// value are lists.
inline SchemaPtr nested_loops() {
    return shared(record("Grid", {field("cells", vec(vec(vec(int32())))),
                                  field("groups", map(vec(int32()), vec(shared(Schema::String{}))))}));
}

// Every shape above, in an order that adds each one before its users.
inline std::vector<SchemaPtr> synthetic_roots() {
    return {vec2_int(), one_value_enum(), three_value_enum(), squad(),
            team(),     command(),        empty_record(),     nested_loops()};
}

}  // namespace pakko_gen::testing
