#include <cstdlib>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <kimbly/panic.hpp>

#include "pakko_gen/fixtures.hpp"
#include "pakko_gen/generator.hpp"
#include "synthetic_schemas.hpp"

namespace {

namespace t = pakko_gen::testing;
using pakko_gen::GeneratorImpl;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// Records the full name of every schema handed to it, one per line of its only file.
class Recorder {
public:
    using Options = pakko_gen::EmptyOptions;
    Recorder(std::string_view, std::string_view, Options) {}
    void add_only(const pakko::Schema& schema) { log_ += schema.full_name() + "\n"; }
    pakko_gen::GenResult result() && {
        pakko_gen::GenResult result;
        result.add("order", log_);
        return result;
    }

private:
    std::string log_;
};

std::vector<std::string> order(const std::vector<pakko::SchemaPtr>& roots) {
    GeneratorImpl<Recorder> impl("name", "1.0", {});
    for (const auto& root : roots) impl.add(*root);
    auto text = std::move(impl).result().files.at(0).content;
    std::vector<std::string> names;
    for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        names.push_back(text.substr(start, end - start));
    }
    return names;
}

TEST(GeneratorImpl, EmitsEachDistinctSchemaOnceDependenciesFirst) {
    struct Case {
        const char* name;
        std::vector<pakko::SchemaPtr> roots;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"fields in order, containers and primitives included, Vec2Int32 once",
         {t::squad()},
         {"Int32", "OptInt32", "Vec2Int32", "VecVec2Int32", "UnitKind", "MapUnitKindVec2Int32", "String", "Bool",
          "Float32", "Int64", "Squad"}},
        {"a one-of adds its variants' field types, never the variants",
         {t::command()},
         {"Int32", "Vec2Int32", "Float64", "Command"}},
        {"a map adds its key before its value",
         {t::nested_loops()},
         {"Int32", "VecInt32", "VecVecInt32", "VecVecVecInt32", "String", "VecString", "MapVecInt32VecString",
          "Grid"}},
        {"a root already added as a dependency adds nothing",
         {t::squad(), t::vec2_int(), t::three_value_enum()},
         {"Int32", "OptInt32", "Vec2Int32", "VecVec2Int32", "UnitKind", "MapUnitKindVec2Int32", "String", "Bool",
          "Float32", "Int64", "Squad"}},
    };
    for (const auto& c : cases) EXPECT_EQ(order(c.roots), c.expected) << c.name;
}

TEST(GeneratorImpl, RealRootsArriveInTheirFixedOrder) {
    auto names = order(pakko_gen::fixtures::root_schemas());
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(names.front(), "String");
    std::vector<std::string> named;
    for (const auto& name : names) {
        bool container = name.starts_with("Opt") || name.starts_with("Vec") || name.starts_with("Map");
        bool primitive = name == "Bool" || name == "Int32" || name == "Int64" || name == "Float32" ||
                         name == "Float64" || name == "String";
        if ((!container || name.starts_with("Vec2")) && !primitive) named.push_back(name);
    }
    EXPECT_THAT(named,
                ElementsAreArray({"Vec2Float32",  "Color",           "ColoredVertex",    "PrimitiveType",
                                  "DebugData",    "DebugCommand",    "Vec2Int32",        "MoveAction",
                                  "EntityType",   "BuildAction",     "AutoAttack",       "AttackAction",
                                  "RepairAction", "EntityAction",    "Action",           "ClientMessage",
                                  "BuildProperties", "AttackProperties", "RepairProperties", "EntityProperties",
                                  "Player",       "Entity",          "PlayerView",       "ServerMessage",
                                  "Camera",       "DebugState"}));
}

TEST(GeneratorImpl, AddingAnEqualSchemaAgainUnderItsNameDoesNothing) {
    // Built apart, so equal by content rather than by instance.
    EXPECT_THAT(order({t::vec2_int(), t::vec2_int()}), ElementsAre("Int32", "Vec2Int32"));
}

TEST(GeneratorImplDeathTest, TwoSchemasWithOneNameButDifferentDocumentationStop) {
    auto first = t::vec2_int();
    auto record = *first->get_if<pakko::Struct>();
    std::swap(record.fields[0].documentation.languages[0], record.fields[0].documentation.languages[1]);
    auto second = t::shared(record);
    // The stop ends the program as it would end the real one.
    EXPECT_EXIT(std::exit(kimbly::run_main([&] {
                    GeneratorImpl<Recorder> impl("name", "1.0", {});
                    impl.add(*first);
                    impl.add(*second);
                    return 0;
                })),
                ::testing::ExitedWithCode(kimbly::PANIC_EXIT_STATUS),
                "assertion failed: `\\(left == right\\)`\n  left: `Struct\\(Struct \\{ magic: None, .*"
                "LanguageDocumentation \\{ language: \"en\", text: \"The x\" \\}.*`,\n right: `Struct\\(.*"
                "LanguageDocumentation \\{ language: \"ru\", text: \"Поле x\" \\}, LanguageDocumentation "
                "\\{ language: \"en\".*`: Two schemas with same name but different structure");
}

}  // namespace
