#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <test_support/panic_message.hpp>

#include "pakko_gen/cpp/generator.hpp"
#include "pakko_gen/cpp/implementation.hpp"
#include "pakko_gen/fixtures.hpp"
#include "pakko_gen/templates.hpp"
#include "golden.hpp"
#include "synthetic_schemas.hpp"

namespace {

namespace t = pakko_gen::testing;
using pakko_gen::GenResult;
using pakko_gen::GeneratorImpl;

// One generation over every synthetic root: each type's files appear once.
TEST(CppGenerator, SyntheticSchemasMatchTheirGoldenText) {
    auto result = t::generate<pakko_gen::cpp::Generator>(t::synthetic_roots());
    t::expect_golden(result, t::golden_root() / "cpp", {"Stream.hpp", "Stream.cpp"});
}

TEST(CppGenerator, StreamHelpersAreTheStoredFiles) {
    auto result = t::generate<pakko_gen::cpp::Generator>({});
    EXPECT_EQ(result.files, (std::vector<pakko_gen::GenFile>{
                                {"Stream.hpp", std::string(pakko_gen::template_text("cpp/Stream.hpp"))},
                                {"Stream.cpp", std::string(pakko_gen::template_text("cpp/Stream.cpp"))},
                                {"model/Model.hpp", "#ifndef _MODEL_HPP_\n#define _MODEL_HPP_\n\n\n#endif\n"}}));
}

TEST(CppGenerator, AFourthLoopInOneFieldStops) {
    auto deep = t::vec(t::vec(t::vec(t::vec(t::int32()))));
    EXPECT_EQ(test_support::panic_message([&] {
                  pakko_gen::Writer writer;
                  pakko_gen::LoopCounter loops;
                  pakko_gen::cpp::statements::assign(writer, "result.deep", *deep, loops);
              }),
              "called `Option::unwrap()` on a `None` value");
}

TEST(CppGenerator, RealRootsGiveTheirFilesInDependencyOrder) {
    auto result = t::generate<pakko_gen::cpp::Generator>(pakko_gen::fixtures::root_schemas());
    std::vector<std::string> paths;
    std::string model_header;
    std::string entity_header;
    for (const auto& file : result.files) {
        paths.push_back(file.path.generic_string());
        if (file.path == "model/Model.hpp") model_header = file.content;
        if (file.path == "model/Entity.hpp") entity_header = file.content;
    }
    std::vector<std::string> expected_paths{"Stream.hpp", "Stream.cpp"};
    std::string expected_model = "#ifndef _MODEL_HPP_\n#define _MODEL_HPP_\n\n";
    for (const char* name : {"Vec2Float",       "Color",            "ColoredVertex",    "PrimitiveType",
                             "DebugData",       "DebugCommand",     "Vec2Int",          "MoveAction",
                             "EntityType",      "BuildAction",      "AutoAttack",       "AttackAction",
                             "RepairAction",    "EntityAction",     "Action",           "ClientMessage",
                             "BuildProperties", "AttackProperties", "RepairProperties", "EntityProperties",
                             "Player",          "Entity",           "PlayerView",       "ServerMessage",
                             "Camera",          "DebugState"}) {
        std::string type(name);
        expected_paths.push_back("model/" + type + ".hpp");
        // Enumerations have no source file.
        if (type != "PrimitiveType" && type != "EntityType") expected_paths.push_back("model/" + type + ".cpp");
        expected_model += "#include \"" + type + ".hpp\"\n";
    }
    expected_paths.push_back("model/Model.hpp");
    EXPECT_EQ(paths, expected_paths);
    EXPECT_EQ(model_header, expected_model + "\n#endif\n");
    // Quoted model headers first, then the standard ones, each in byte order.
    EXPECT_NE(entity_header.find("#include \"../Stream.hpp\"\n#include \"EntityType.hpp\"\n#include \"Vec2Int.hpp\"\n"
                                 "#include <memory>\n#include <stdexcept>\n#include <string>\n\nclass Entity {"),
              std::string::npos)
        << entity_header;
}

}  // namespace
