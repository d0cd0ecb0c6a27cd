#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include <pakko/schema.hpp>

#include "stand_ins.hpp"

namespace {

using namespace pakko;
using namespace stand_in;

struct NameCase {
    const char* identifier;
    const char* upper;
    const char* mixed;
    const char* snake;
    const char* shouty;
};

TEST(Names, CaseConversions) {
    const NameCase cases[] = {
        {"target_id", "TargetId", "targetId", "target_id", "TARGET_ID"},
        {"Vec2Int32", "Vec2Int32", "vec2Int32", "vec2_int32", "VEC2_INT32"},
        {"BuilderBase", "BuilderBase", "builderBase", "builder_base", "BUILDER_BASE"},
        {"ABc", "ABc", "aBc", "a_bc", "A_BC"},
        {"ABCDef", "AbcDef", "abcDef", "abc_def", "ABC_DEF"},
        {"_x__y_", "XY", "xY", "x_y", "X_Y"},
        {"ABC2Def", "Abc2Def", "abc2Def", "abc2_def", "ABC2_DEF"},
        {"int32Value", "Int32Value", "int32Value", "int32_value", "INT32_VALUE"},
        {"auto_attack", "AutoAttack", "autoAttack", "auto_attack", "AUTO_ATTACK"},
        {"two words", "TwoWords", "twoWords", "two_words", "TWO_WORDS"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(to_camel_case(c.identifier), c.upper) << c.identifier;
        EXPECT_EQ(to_mixed_case(c.identifier), c.mixed) << c.identifier;
        EXPECT_EQ(to_snake_case(c.identifier), c.snake) << c.identifier;
        EXPECT_EQ(to_shouty_snake_case(c.identifier), c.shouty) << c.identifier;
    }
}

TEST(Names, StoredNameIsConvertedFromItsUpperCamelForm) {
    Name auto_attack("auto_attack");
    EXPECT_EQ(auto_attack.raw(), "AutoAttack");
    EXPECT_EQ(auto_attack.snake_case(), "auto_attack");
    EXPECT_EQ(auto_attack.mixed_case(), "autoAttack");
    EXPECT_EQ(Name("Vec2Float32").snake_case(), "vec2_float32");
    // Converting twice can change a name.
    Name xy("_x__y_");
    EXPECT_EQ(xy.raw(), "XY");
    EXPECT_EQ(xy.camel_case(), "Xy");
}

Documentation docs(std::initializer_list<LanguageDocumentation> entries) { return Documentation{entries}; }

Struct plain_struct(const char* name, std::vector<Field> fields, Documentation documentation = {}) {
    return Struct{std::nullopt, std::move(documentation), Name(name), std::move(fields)};
}

SchemaPtr ptr(Schema schema) { return std::make_shared<const Schema>(std::move(schema)); }

TEST(Schema, HashableFollowsTheFields) {
    auto int32 = ptr(Schema::Int32{});
    auto float32 = ptr(Schema::Float32{});
    struct Case {
        const char* name;
        Schema schema;
        bool hashable;
    };
    const Case cases[] = {
        {"empty struct", plain_struct("Empty", {}), true},
        {"float field", plain_struct("F", {Field{{}, Name("x"), float32}}), false},
        {"struct of ints inside a struct",
         plain_struct("Outer", {Field{{}, Name("inner"), ptr(plain_struct("Inner", {Field{{}, Name("a"), int32},
                                                                                     Field{{}, Name("b"), int32}}))}}),
         true},
        {"bool", Schema::Bool{}, true},
        {"string", Schema::String{}, true},
        {"int64", Schema::Int64{}, true},
        {"float64", Schema::Float64{}, false},
        {"option", Schema::Option{int32}, false},
        {"vec", Schema::Vec{int32}, false},
        {"enum", create_schema<UnitKind>(), true},
        {"one-of", create_schema<Message>(), false},
    };
    for (const auto& c : cases) EXPECT_EQ(c.schema.hashable(), c.hashable) << c.name;
}

TEST(Schema, FullNames) {
    struct Case {
        Schema schema;
        const char* full_name;
    };
    const Case cases[] = {
        {create_schema<std::optional<std::int32_t>>(), "OptInt32"},
        {create_schema<std::vector<UnitKind>>(), "VecUnitKind"},
        {create_schema<std::map<std::int32_t, Move>>(), "MapInt32Move"},
        {create_schema<std::map<UnitKind, Unit>>(), "MapUnitKindUnit"},
        {create_schema<std::vector<std::optional<std::string>>>(), "VecOptString"},
        {create_schema<Message>(), "Message"},
        {create_schema<std::uint64_t>(), "Int32"},
        {create_schema<bool>(), "Bool"},
        {create_schema<float>(), "Float32"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.schema.full_name(), c.full_name);
}

TEST(Schema, DocumentationOrderAndTextTakePartInEquality) {
    LanguageDocumentation en{"en", "Target"};
    LanguageDocumentation ru{"ru", "Цель"};
    Schema a = plain_struct("S", {}, docs({en, ru}));
    Schema b = plain_struct("S", {}, docs({en, ru}));
    Schema swapped = plain_struct("S", {}, docs({ru, en}));
    Schema other_text = plain_struct("S", {}, docs({en, {"ru", "Цели"}}));
    EXPECT_EQ(a, b);
    EXPECT_EQ(a.hash(), b.hash());
    EXPECT_NE(a, swapped);
    EXPECT_NE(a, other_text);
    EXPECT_NE(a, Schema(plain_struct("T", {}, docs({en, ru}))));
    EXPECT_EQ(docs({ru, en}).get("en"), "Target");
    EXPECT_EQ(docs({ru, en}).get("de"), std::nullopt);
}

TEST(Schema, ChildrenCompareByContentWhenNotShared) {
    Schema a = Schema::Vec{ptr(create_schema<Move>())};
    Schema b = Schema::Vec{ptr(create_schema<Move>())};
    EXPECT_EQ(a, b);
    EXPECT_EQ(a.hash(), b.hash());
    EXPECT_NE(a, Schema(Schema::Vec{ptr(create_schema<Point>())}));
    EXPECT_NE(a, Schema(Schema::Option{ptr(create_schema<Move>())}));
}

TEST(Schema, CopySharesChildren) {
    Schema vec = create_schema<std::vector<Move>>();
    Schema copy = vec;
    EXPECT_EQ(copy.get_if<Schema::Vec>()->element.get(), vec.get_if<Schema::Vec>()->element.get());
}

TEST(Schema, DescribedRecordBecomesAStructWithDocumentedFields) {
    Schema schema = create_schema<Move>();
    const Struct* s = schema.get_if<Struct>();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->name.raw(), "Move");
    EXPECT_EQ(s->documentation, docs({{"en", "Move action"}, {"ru", "Действие перемещения"}}));
    ASSERT_EQ(s->fields.size(), 3u);
    EXPECT_EQ(s->fields[0].name.raw(), "Target");
    EXPECT_EQ(s->fields[0].documentation, docs({{"ru", "Цель"}, {"en", "Target"}}));
    EXPECT_EQ(s->fields[0].schema, Schema::of<Point>());
    EXPECT_EQ(s->fields[1].name.raw(), "FindClosestPosition");
    EXPECT_EQ(s->fields[2].schema, Schema::of<bool>());

    Schema one_of = create_schema<Message>();
    const auto* variants = one_of.get_if<Schema::OneOf>();
    ASSERT_NE(variants, nullptr);
    ASSERT_EQ(variants->variants.size(), 4u);
    EXPECT_EQ(variants->variants[1].name.raw(), "Finish");
    EXPECT_TRUE(variants->variants[1].fields.empty());
    EXPECT_EQ(variants->variants[3].fields.at(0).schema, Schema::of<Preset>());

    // Field names, not JSON keys, name the schema's fields.
    std::string text = Schema::of<Unit>()->debug_text();
    EXPECT_NE(text.find("name: AttackRange,"), std::string::npos) << text;
    EXPECT_EQ(text.find("name: Range,"), std::string::npos) << text;
}

TEST(Interning, EqualSchemasShareOneInstance) {
    EXPECT_EQ(Schema::of<Move>(), Schema::of<Move>());
    EXPECT_EQ(Schema::of<std::int32_t>(), Schema::of<std::uint64_t>());
    EXPECT_EQ(Schema::of<std::optional<std::int32_t>>(), Schema::of<std::optional<std::uint64_t>>());
    auto option = Schema::of<std::optional<Move>>();
    EXPECT_EQ(option->get_if<Schema::Option>()->inner.get(), Schema::of<Move>().get());
}

TEST(Interning, DocumentationDifferenceMakesASeparateEntry) {
    auto first = intern(plain_struct("InternDocs", {}, docs({{"en", "One"}})));
    std::size_t before = interned_count();
    auto same = intern(plain_struct("InternDocs", {}, docs({{"en", "One"}})));
    EXPECT_EQ(first, same);
    EXPECT_EQ(interned_count(), before);
    auto other = intern(plain_struct("InternDocs", {}, docs({{"en", "Two"}})));
    EXPECT_NE(first, other);
    EXPECT_EQ(interned_count(), before + 1);
}

TEST(Interning, ConcurrentCallersGetTheFirstInsertedInstance) {
    constexpr int THREADS = 8;
    std::size_t before = interned_count();
    std::atomic<int> ready{0};
    std::vector<SchemaPtr> results(THREADS);
    std::vector<std::thread> threads;
    for (int i = 0; i < THREADS; ++i) {
        threads.emplace_back([&, i] {
            ready.fetch_add(1);
            while (ready.load() < THREADS) {
            }
            results[i] = intern(plain_struct("InternedByThreads", {Field{{}, Name("a"), Schema::of<float>()}}));
        });
    }
    for (auto& thread : threads) thread.join();
    for (const auto& result : results) EXPECT_EQ(result.get(), results[0].get());
    // The struct, plus Float32 if no earlier test interned it.
    std::size_t added = interned_count() - before;
    EXPECT_TRUE(added == 1 || added == 2) << added;
    EXPECT_EQ(intern(Schema::Float32{}), Schema::of<float>());
}

}  // namespace
