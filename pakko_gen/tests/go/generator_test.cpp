#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <test_support/panic_message.hpp>

#include "golden.hpp"
#include "pakko_gen/fixtures.hpp"
#include "pakko_gen/go/code.hpp"
#include "pakko_gen/go/generator.hpp"
#include "pakko_gen/templates.hpp"
#include "synthetic_schemas.hpp"

namespace {

namespace t = pakko_gen::testing;
using pakko_gen::GenResult;
using pakko_gen::GeneratorImpl;

GenResult generate_go(const std::vector<pakko::SchemaPtr>& roots, std::string_view module_path = "velmora") {
    GeneratorImpl<pakko_gen::go::Generator> impl(module_path, "0.1.0", {});
    for (const auto& root : roots) impl.add(*root);
    return std::move(impl).result();
}

const std::string* find(const GenResult& result, const std::string& path) {
    for (const auto& file : result.files) {
        if (file.path.generic_string() == path) return &file.content;
    }
    return nullptr;
}

TEST(GoGenerator, SyntheticSchemasMatchTheirGoldenText) {
    auto result = generate_go(t::synthetic_roots());
    t::expect_golden(result, t::golden_root() / "go", {"stream/stream.go"});
    ASSERT_NE(find(result, "stream/stream.go"), nullptr);
    EXPECT_EQ(*find(result, "stream/stream.go"), pakko_gen::template_text("go/stream/stream.go"));
}

// Go rejects unused imports: the stream package is imported exactly where a
// stream function is called.
TEST(GoGenerator, StreamImportOnlyWhereAStreamFunctionIsCalled) {
    pakko::Struct with_magic = t::record("Tagged", {t::field("inner", t::vec2_int())});
    with_magic.magic = 7;
    struct Case {
        const char* what;
        pakko::SchemaPtr schema;
        std::string path;
        bool imported;
    };
    const Case cases[] = {
        {"record of records", t::team(), "model/team.go", false},
        {"record without fields", t::empty_record(), "model/nothing.go", false},
        {"record of records and one-ofs", t::shared(t::record("Plan", {t::field("first", t::command())})),
         "model/plan.go", false},
        {"record with a magic number", t::shared(with_magic), "model/tagged.go", true},
        {"record of integers", t::vec2_int(), "model/vec2_int32.go", true},
        {"record with an optional record", t::shared(t::record("Maybe", {t::field("inner", t::option(t::vec2_int()))})),
         "model/maybe.go", true},
        {"one-of", t::command(), "model/command.go", true},
        {"enumeration", t::one_value_enum(), "model/single.go", true},
    };
    for (const auto& c : cases) {
        auto result = generate_go({c.schema}, "example.org/my_Bot");
        const std::string* text = find(result, c.path);
        ASSERT_NE(text, nullptr) << c.what;
        EXPECT_TRUE(text->starts_with("package model\n\nimport \"io\"\n")) << c.what;
        EXPECT_EQ(text->find("import . \"example.org/my_Bot/stream\"\n") != std::string::npos, c.imported) << c.what;
    }
    // The magic number is written before the fields.
    EXPECT_NE(find(generate_go({t::shared(with_magic)}), "model/tagged.go")
                  ->find("    WriteInt32(writer, 7)\n    value.Inner.Write(writer)\n"),
              std::string::npos);
}

TEST(GoGenerator, AFourthLoopInOneFieldStops) {
    auto deep = t::map(t::vec(t::int32()), t::vec(t::vec(t::int32())));
    EXPECT_EQ(test_support::panic_message([&] {
                  pakko_gen::Writer writer;
                  pakko_gen::LoopCounter loops;
                  pakko_gen::go::statements::assign(writer, "result.Deep", *deep, loops);
              }),
              "called `Option::unwrap()` on a `None` value");
}

TEST(GoGenerator, RealRootsGiveOneFileAPerTypeAndTheStreamPackage) {
    auto result = generate_go(pakko_gen::fixtures::root_schemas());
    std::vector<std::string> paths;
    for (const auto& file : result.files) paths.push_back(file.path.generic_string());
    std::vector<std::string> expected{"stream/stream.go"};
    for (const char* stem : {"vec2_float32", "color", "colored_vertex", "primitive_type", "debug_data",
                             "debug_command", "vec2_int32", "move_action", "entity_type", "build_action",
                             "auto_attack", "attack_action", "repair_action", "entity_action", "action",
                             "client_message", "build_properties", "attack_properties", "repair_properties",
                             "entity_properties", "player", "entity", "player_view", "server_message", "camera",
                             "debug_state"}) {
        expected.push_back(std::string("model/") + stem + ".go");
    }
    EXPECT_EQ(paths, expected);
    // Generating again gives the same texts.
    EXPECT_EQ(generate_go(pakko_gen::fixtures::root_schemas()).files, result.files);
}

}  // namespace
