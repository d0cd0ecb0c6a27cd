#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <test_support/panic_message.hpp>

#include "golden.hpp"
#include "pakko_gen/java/generator.hpp"
#include "pakko_gen/java/names.hpp"
#include "pakko_gen/java/statements.hpp"
#include "synthetic_schemas.hpp"

namespace {

namespace t = pakko_gen::testing;
namespace java = pakko_gen::java;
using pakko::Schema;

TEST(JavaGenerator, SyntheticSchemasMatchTheirGoldenText) {
    t::expect_golden(t::generate<java::Generator>(t::synthetic_roots()), t::golden_root() / "java",
                     {"util/StreamUtil.java"});
}

// A list of primitives is one array type where it is declared and where it
// is created, so the reader compiles.
TEST(JavaGenerator, TypeNamesOfEachKind) {
    const auto vec2 = t::vec2_int();
    const auto entity_type = t::three_value_enum();
    const std::pair<pakko::SchemaPtr, const char*> cases[] = {
        {t::shared(Schema::Bool{}), "boolean"},
        {t::shared(Schema::Int64{}), "long"},
        {t::vec(t::int32()), "int[]"},
        {t::vec(t::shared(Schema::Bool{})), "boolean[]"},
        {t::vec(t::vec(t::shared(Schema::String{}))), "String[][]"},
        {t::vec(vec2), "model.Vec2Int[]"},
        {t::option(t::int32()), "Integer"},
        {t::option(t::vec(vec2)), "model.Vec2Int[]"},
        {t::vec(t::option(t::shared(Schema::Float64{}))), "Double[]"},
        {t::map(entity_type, vec2), "java.util.Map<model.UnitKind, model.Vec2Int>"},
        {t::map(t::int32(), t::vec(t::int32())), "java.util.Map<Integer, int[]>"},
        {t::vec(t::map(t::int32(), t::int32())), "java.util.Map<Integer, Integer>[]"},
    };
    for (const auto& [schema, expected] : cases) EXPECT_EQ(java::type_name(*schema), expected);
    EXPECT_EQ(pakko_gen::jvm::conv("BoolInt32Int64Float32Float64Boolean"), "BooleanIntLongFloatDoubleBooleanean");
}

// Java creates arrays of a generic type only in their raw form, and the
// locals of a map inside a list are named after the list.
TEST(JavaGenerator, AListOfMapsIsCreatedRawAndNamesItsLocalsAfterTheList) {
    pakko_gen::Writer writer;
    pakko_gen::LoopCounter loops;
    java::statements::assign(writer, "result.layers", *t::vec(t::map(t::int32(), t::int32())), loops);
    EXPECT_EQ(std::move(writer).take_text(),
              "result.layers = new java.util.Map[StreamUtil.readSize(stream)];\n"
              "for (int i = 0; i < result.layers.length; i++) {\n"
              "    int layersSize = StreamUtil.readSize(stream);\n"
              "    result.layers[i] = new java.util.HashMap<>();\n"
              "    for (int j = 0; j < layersSize; j++) {\n"
              "        int layersKey;\n"
              "        layersKey = StreamUtil.readInt(stream);\n"
              "        int layersValue;\n"
              "        layersValue = StreamUtil.readInt(stream);\n"
              "        result.layers[i].put(layersKey, layersValue);\n"
              "    }\n"
              "}\n");
}

TEST(JavaGenerator, AFourthLoopInOneFieldStops) {
    auto deep = t::vec(t::vec(t::vec(t::vec(t::int32()))));
    EXPECT_EQ(test_support::panic_message([&] {
                  pakko_gen::Writer writer;
                  pakko_gen::LoopCounter loops;
                  java::statements::assign(writer, "result.deep", *deep, loops);
              }),
              "called `Option::unwrap()` on a `None` value");
}

}  // namespace
