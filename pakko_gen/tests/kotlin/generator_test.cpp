#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <test_support/panic_message.hpp>

#include "golden.hpp"
#include "pakko_gen/kotlin/generator.hpp"
#include "pakko_gen/kotlin/names.hpp"
#include "pakko_gen/kotlin/statements.hpp"
#include "synthetic_schemas.hpp"

namespace {

namespace t = pakko_gen::testing;
namespace kotlin = pakko_gen::kotlin;
using pakko::Schema;

std::string assigned(std::string_view target, const pakko::SchemaPtr& schema) {
    pakko_gen::Writer writer;
    pakko_gen::LoopCounter loops;
    kotlin::statements::assign(writer, target, *schema, loops);
    return std::move(writer).take_text();
}

TEST(KotlinGenerator, SyntheticSchemasMatchTheirGoldenText) {
    t::expect_golden(t::generate<kotlin::Generator>(t::synthetic_roots()), t::golden_root() / "kotlin",
                     {"util/StreamUtil.kt"});
}

TEST(KotlinGenerator, TypeNamesAndDefaultsOfEachKind) {
    const std::pair<pakko::SchemaPtr, const char*> cases[] = {
        {t::option(t::int32()), "Int?"},
        {t::vec(t::vec(t::shared(Schema::String{}))), "Array<Array<String>>"},
        {t::map(t::three_value_enum(), t::vec2_int()), "MutableMap<model.UnitKind, model.Vec2Int>"},
        {t::vec(t::option(t::shared(Schema::Bool{}))), "Array<Boolean?>"},
    };
    for (const auto& [schema, expected] : cases) EXPECT_EQ(kotlin::type_name(*schema), expected);
    EXPECT_EQ(kotlin::default_value(*t::shared(Schema::Int64{})), "0L");
    EXPECT_EQ(kotlin::default_value(*t::option(t::vec2_int())), "null");
    EXPECT_EQ(kotlin::default_value(*t::shared(Schema::String{})), std::nullopt);
}

// Lists are built by lambdas and take no index name; only map loops do.
TEST(KotlinGenerator, OnlyMapLoopsTakeIndexNames) {
    EXPECT_EQ(assigned("result.cells", t::vec(t::vec(t::int32()))),
              "result.cells = Array(StreamUtil.readSize(stream), {\n"
              "    var cellsValue: Array<Int>\n"
              "    cellsValue = Array(StreamUtil.readSize(stream), {\n"
              "        var cellsValueValue: Int\n"
              "        cellsValueValue = StreamUtil.readInt(stream)\n"
              "        cellsValueValue\n"
              "    })\n"
              "    cellsValue\n"
              "})\n");
    const auto nested = assigned("result.deep", t::map(t::int32(), t::map(t::int32(), t::map(t::int32(), t::int32()))));
    for (const char* loop : {"for (i in 0 until deepSize) {", "for (j in 0 until deepValueSize) {",
                             "for (k in 0 until deepValueValueSize) {"}) {
        EXPECT_NE(nested.find(loop), std::string::npos) << loop << "\n" << nested;
    }
    EXPECT_EQ(test_support::panic_message([] {
                  assigned("result.deeper",
                           t::map(t::int32(), t::map(t::int32(), t::map(t::int32(), t::map(t::int32(), t::int32())))));
              }),
              "called `Option::unwrap()` on a `None` value");
}

}  // namespace
