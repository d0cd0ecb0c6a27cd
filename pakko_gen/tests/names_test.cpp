#include <string>

#include <gtest/gtest.h>
#include <test_support/panic_message.hpp>

#include "pakko_gen/locals.hpp"
#include "pakko_gen/names.hpp"

namespace {

using pakko_gen::NameStyle;
namespace renames = pakko_gen::renames;

TEST(Names, EachLanguageTableRenamesInItsOrder) {
    struct Case {
        pakko_gen::Renames table;
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {renames::CPP, "Vec2Float32", "Vec2Float"},
        {renames::CPP, "MaxInt64AndInt32", "MaxLongAndInt"},
        {renames::CPP, "Float64Params", "DoubleParams"},
        {renames::CSHARP, "Float64Params", "DoubleParameters"},
        {renames::FSHARP, "Vec2Float32", "Vec2Single"},
        {renames::FSHARP, "DebugParams", "DebugParameters"},
        {renames::JVM, "Bool", "Boolean"},
        {renames::JVM, "IsBoolean", "IsBooleanean"},
        {renames::JVM, "Vec2Int32", "Vec2Int"},
        {renames::RUST, "Vec2Float32Int64", "Vec2F32I64"},
        {renames::NONE, "Vec2Float32", "Vec2Float32"},
    };
    for (const auto& c : cases) EXPECT_EQ(pakko_gen::apply_renames(c.text, c.table), c.expected) << c.text;
}

TEST(Names, CaseViewsComeAfterTheRenames) {
    constexpr NameStyle cpp{renames::CPP};
    constexpr NameStyle rust{renames::RUST};
    pakko::Name vec2(std::string("Vec2Float32"));
    EXPECT_EQ(cpp.camel_case(vec2), "Vec2Float");
    EXPECT_EQ(cpp.mixed_case(vec2), "vec2Float");
    EXPECT_EQ(cpp.shouty_snake_case(vec2), "VEC2_FLOAT");
    EXPECT_EQ(rust.snake_case(vec2), "vec2_f32");
    EXPECT_EQ(cpp.mixed_case(pakko::Name(std::string("max_int64"))), "maxLong");
    EXPECT_EQ(cpp.shouty_snake_case(pakko::Name(std::string("BuilderUnit"))), "BUILDER_UNIT");
}

TEST(Locals, LoopLettersRunIJKAndAFourthStops) {
    pakko_gen::LoopCounter loops;
    EXPECT_EQ(loops.next(), "i");
    EXPECT_EQ(loops.next(), "j");
    EXPECT_EQ(loops.next(), "k");
    EXPECT_EQ(test_support::panic_message([&] { loops.next(); }),
              "called `Option::unwrap()` on a `None` value");
}

TEST(Locals, VarNameIsThePartAfterTheLastFullStop) {
    EXPECT_EQ(pakko_gen::var_name("result.entities"), "entities");
    EXPECT_EQ(pakko_gen::var_name("entitiesEntry.second"), "second");
    EXPECT_EQ(pakko_gen::var_name("entityProperties"), "entityProperties");
}

}  // namespace
