#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "golden.hpp"
#include "pakko_gen/fixtures.hpp"
#include "pakko_gen/fsharp/generator.hpp"
#include "synthetic_schemas.hpp"

namespace {

namespace t = pakko_gen::testing;
using FsharpGenerator = pakko_gen::fsharp::Generator;

TEST(FSharpGenerator, SyntheticSchemasMatchTheirGoldenText) {
    t::expect_golden(t::generate<FsharpGenerator>(t::synthetic_roots()), t::golden_root() / "fsharp", {});
}

// F# compiles files in the order the project lists them: the result keeps
// the order in which the types were added, each after what it uses.
TEST(FSharpGenerator, RealRootsComeInTheOrderTheyWereAdded) {
    auto result = t::generate<FsharpGenerator>(pakko_gen::fixtures::root_schemas());
    std::vector<std::string> paths;
    for (const auto& file : result.files) paths.push_back(file.path.generic_string());
    std::vector<std::string> expected;
    for (auto type : t::real_root_types()) {
        // Float32 is Single in F#.
        if (type == "Vec2Float") type = "Vec2Single";
        expected.push_back("Model/" + type + ".fs");
    }
    EXPECT_EQ(paths, expected);
    // A case without fields carries an empty struct whose writer writes the tag.
    auto server_message = t::file_text(result, "Model/ServerMessage.fs");
    EXPECT_NE(server_message.find("\ntype ServerMessageFinish = struct end with\n"
                                  "    member this.writeTo(writer: System.IO.BinaryWriter) =\n"
                                  "        writer.Write 1\n"
                                  "    static member readFrom(reader: System.IO.BinaryReader) = new ServerMessageFinish()\n"
                                  "\ntype ServerMessageDebugUpdate = {\n"),
              std::string::npos)
        << server_message;
}

}  // namespace
