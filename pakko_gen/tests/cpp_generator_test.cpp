#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "pakko_gen/cpp/generator.hpp"
#include "pakko_gen/cpp/implementation.hpp"
#include "pakko_gen/fixtures.hpp"
#include "pakko_gen/templates.hpp"
#include "golden.hpp"
#include "stop.hpp"
#include "synthetic_schemas.hpp"

namespace {

namespace t = pakko_gen::testing;
using pakko_gen::GenResult;
using pakko_gen::GeneratorImpl;

GenResult generate(const std::vector<pakko::SchemaPtr>& roots) {
    GeneratorImpl<pakko_gen::cpp::Generator> impl("velmora", "0.1.0", {});
    for (const auto& root : roots) impl.add(*root);
    return std::move(impl).result();
}

// One generation over every synthetic root: each type's files appear once.
TEST(CppGenerator, SyntheticSchemasMatchTheirGoldenText) {
    auto result = generate(t::synthetic_roots());
    t::expect_golden(result, t::golden_root() / "cpp", {"Stream.hpp", "Stream.cpp"});
}

TEST(CppGenerator, StreamHelpersAreTheStoredFiles) {
    auto result = generate({});
    ASSERT_EQ(result.files.size(), 3u);
    EXPECT_EQ(result.files[0].path, "Stream.cpp");
    EXPECT_EQ(result.files[0].content, pakko_gen::template_text("cpp/Stream.cpp"));
    EXPECT_EQ(result.files[1].path, "Stream.hpp");
    EXPECT_EQ(result.files[1].content, pakko_gen::template_text("cpp/Stream.hpp"));
    EXPECT_EQ(result.files[2].content, "#ifndef _MODEL_HPP_\n#define _MODEL_HPP_\n\n\n#endif\n");
}

TEST(CppGenerator, AFourthLoopInOneFieldStops) {
    auto deep = t::vec(t::vec(t::vec(t::vec(t::int32()))));
    EXPECT_EQ(t::stop_message([&] {
                  pakko_gen::Writer writer;
                  pakko_gen::LoopCounter loops;
                  pakko_gen::cpp::statements::assign(writer, "result.deep", *deep, loops);
              }),
              "called `Option::unwrap()` on a `None` value");
}

TEST(CppGenerator, RealRootsGiveOneHeaderPerTypeInDependencyOrder) {
    auto result = generate(pakko_gen::fixtures::root_schemas());
    std::vector<std::string> paths;
    std::string model_header;
    for (const auto& file : result.files) {
        paths.push_back(file.path.generic_string());
        if (file.path == "model/Model.hpp") model_header = file.content;
    }
    // Records and one-ofs have sources; the two enumerations only headers.
    EXPECT_EQ(paths.size(), 2u + 26u + 24u + 1u);
    std::string expected_model = "#ifndef _MODEL_HPP_\n#define _MODEL_HPP_\n\n";
    for (const char* name : {"Vec2Float",     "Color",         "ColoredVertex",   "PrimitiveType",
                             "DebugData",     "DebugCommand",  "Vec2Int",         "MoveAction",
                             "EntityType",    "BuildAction",   "AutoAttack",      "AttackAction",
                             "RepairAction",  "EntityAction",  "Action",          "ClientMessage",
                             "BuildProperties", "AttackProperties", "RepairProperties", "EntityProperties",
                             "Player",        "Entity",        "PlayerView",      "ServerMessage",
                             "Camera",        "DebugState"}) {
        expected_model += "#include \"" + std::string(name) + ".hpp\"\n";
    }
    EXPECT_EQ(model_header, expected_model + "\n#endif\n");
    std::string entity;
    for (const auto& file : result.files) {
        if (file.path == "model/Entity.hpp") entity = file.content;
    }
    EXPECT_NE(entity.find("#include \"../Stream.hpp\"\n#include \"EntityType.hpp\"\n#include \"Vec2Int.hpp\"\n"
                          "#include <memory>\n#include <stdexcept>\n#include <string>\n\nclass Entity {"),
              std::string::npos)
        << entity;
}

}  // namespace
