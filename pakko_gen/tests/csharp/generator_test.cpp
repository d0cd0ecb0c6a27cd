#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "golden.hpp"
#include "pakko_gen/csharp/generator.hpp"
#include "pakko_gen/fixtures.hpp"
#include "synthetic_schemas.hpp"

namespace {

namespace t = pakko_gen::testing;
using CsharpGenerator = pakko_gen::csharp::Generator;

TEST(CSharpGenerator, SyntheticSchemasMatchTheirGoldenText) {
    t::expect_golden(t::generate<CsharpGenerator>(t::synthetic_roots()), t::golden_root() / "csharp", {});
}

// Value kinds take the nullable form when optional; the others stay
// references. Arrays are created with the element's brackets after the count.
TEST(CSharpGenerator, TypesOfOptionsAndArrays) {
    using pakko_gen::csharp::type_name;
    using pakko_gen::csharp::type_name_prearray;
    using pakko_gen::csharp::type_post_array;
    const auto text = t::shared(pakko::Schema::String{});
    EXPECT_EQ(type_name(*t::option(t::int32())), "int?");
    EXPECT_EQ(type_name(*t::option(t::vec2_int())), "Model.Vec2Int?");
    EXPECT_EQ(type_name(*t::option(t::three_value_enum())), "Model.UnitKind?");
    EXPECT_EQ(type_name(*t::option(text)), "string");
    EXPECT_EQ(type_name(*t::option(t::command())), "Model.Command");
    EXPECT_EQ(type_name(*t::option(t::option(t::int32()))), "int?");
    const auto cells = t::vec(t::vec(t::int32()));
    EXPECT_EQ(type_name(*cells), "int[][]");
    EXPECT_EQ(type_name_prearray(*cells), "int");
    EXPECT_EQ(type_post_array(*cells), "[][]");
}

TEST(CSharpGenerator, RealRootsGiveOneFileEachInTheProjectNamespace) {
    auto result = t::generate<CsharpGenerator>(pakko_gen::fixtures::root_schemas());
    std::vector<std::string> paths;
    for (const auto& file : result.files) {
        paths.push_back(file.path.generic_string());
        EXPECT_TRUE(file.content.starts_with("namespace Velmora.Model\n{\n")) << file.path;
    }
    // The readers' checks come first, in the namespace too.
    std::vector<std::string> expected{"Model/StreamUtil.cs"};
    for (const auto& type : t::real_root_types()) expected.push_back("Model/" + type + ".cs");
    EXPECT_EQ(paths, expected);
}

}  // namespace
