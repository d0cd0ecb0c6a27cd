#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <test_support/panic_message.hpp>

#include "golden.hpp"
#include "pakko_gen/dlang/code.hpp"
#include "pakko_gen/dlang/generator.hpp"
#include "pakko_gen/fixtures.hpp"
#include "pakko_gen/templates.hpp"
#include "synthetic_schemas.hpp"

namespace {

namespace t = pakko_gen::testing;
using pakko_gen::GenResult;
using pakko_gen::GeneratorImpl;

TEST(DlangGenerator, SyntheticSchemasMatchTheirGoldenText) {
    auto result = t::generate<pakko_gen::dlang::Generator>(t::synthetic_roots());
    t::expect_golden(result, t::golden_root() / "dlang", {"stream.d"});
    ASSERT_FALSE(result.files.empty());
    EXPECT_EQ(result.files.front(), (pakko_gen::GenFile{"stream.d", std::string(pakko_gen::template_text("dlang/stream.d"))}));
}

TEST(DlangGenerator, WithoutTypesThereIsNoPackageModule) {
    auto result = t::generate<pakko_gen::dlang::Generator>({t::option(t::vec(t::int32()))});
    ASSERT_EQ(result.files.size(), 1u);
    EXPECT_EQ(result.files.front().path, "stream.d");
}

// The renames apply inside every name: types, modules, fields and variants.
TEST(DlangGenerator, RenamesApplyInsideEveryName) {
    auto kinds = t::enumeration("Int64Params", {"Float32Value", "Float64"});
    auto holder = t::shared(t::record("Int32Holder", {t::field("float32_params", kinds)}));
    auto result = t::generate<pakko_gen::dlang::Generator>({holder});
    ASSERT_EQ(result.files.size(), 4u);
    EXPECT_EQ(result.files[1].path, "model/long_parameters.d");
    EXPECT_EQ(result.files[1].content, "enum LongParameters : int {\n    FloatValue = 0,\n    Double = 1,\n}\n");
    EXPECT_EQ(result.files[2].path, "model/int_holder.d");
    EXPECT_NE(result.files[2].content.find("struct IntHolder {\n    LongParameters floatParameters;\n"), std::string::npos);
    EXPECT_EQ(result.files[3],
              (pakko_gen::GenFile{"model/package.d", "public import long_parameters;\npublic import int_holder;\n"}));
}

TEST(DlangGenerator, AFourthLoopInOneFieldStops) {
    auto deep = t::map(t::vec(t::int32()), t::vec(t::vec(t::int32())));
    EXPECT_EQ(test_support::panic_message([&] {
                  pakko_gen::Writer writer;
                  pakko_gen::LoopCounter loops;
                  pakko_gen::dlang::statements::assign(writer, "result.deep", *deep, loops);
              }),
              "called `Option::unwrap()` on a `None` value");
}

TEST(DlangGenerator, RealRootsGiveOneModuleAPerTypeInThePackageModule) {
    auto result = t::generate<pakko_gen::dlang::Generator>(pakko_gen::fixtures::root_schemas());
    std::vector<std::string> paths;
    for (const auto& file : result.files) paths.push_back(file.path.generic_string());
    std::vector<std::string> expected{"stream.d"};
    std::string package;
    for (const char* stem : {"vec2_float", "color", "colored_vertex", "primitive_type", "debug_data", "debug_command",
                             "vec2_int", "move_action", "entity_type", "build_action", "auto_attack", "attack_action",
                             "repair_action", "entity_action", "action", "client_message", "build_properties",
                             "attack_properties", "repair_properties", "entity_properties", "player", "entity",
                             "player_view", "server_message", "camera", "debug_state"}) {
        expected.push_back(std::string("model/") + stem + ".d");
        package += std::string("public import ") + stem + ";\n";
    }
    expected.push_back("model/package.d");
    EXPECT_EQ(paths, expected);
    EXPECT_EQ(result.files.back().content, package);
}

}  // namespace
