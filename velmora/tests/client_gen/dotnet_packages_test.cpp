// The C# and F# packages as generated for the game.
#include <gtest/gtest.h>

#include <filesystem>

#include <tarnwick/client_gen/fsharp_package.hpp>
#include <tarnwick/client_gen/templates.hpp>

#include "client_gen/test_files.hpp"
#include "velmora/client_gen/run.hpp"
#include "velmora/game.hpp"

namespace {

namespace fs = std::filesystem;
namespace cg = tarnwick::client_gen;
using test_files::read_file;
using velmora::Game;

class DotnetPackagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("client_gen_dotnet_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

TEST_F(DotnetPackagesTest, CSharpPackageIsAProjectInTheVelmoraNamespace) {
    const cg::ClientGenOptions options{"velmora", dir_, "0.1.0"};
    cg::CSharpClient<Game>::gen(options, {});
    for (const char* file : {"Model/ServerMessage.cs", "Model/Vec2Float.cs", "Dockerfile", "compile.sh", "run.sh",
                             "Runner.cs", "DebugInterface.cs", "MyStrategy.cs", "velmora.csproj"}) {
        EXPECT_TRUE(fs::exists(dir_ / file)) << file;
    }
    // Carriage returns survive the substitution of the namespace.
    EXPECT_EQ(read_file(dir_ / "DebugInterface.cs"),
              cg::substitute_names(cg::client_template("csharp/DebugInterface.cs"), "velmora"));
    EXPECT_NE(read_file(dir_ / "Runner.cs").find("\nnamespace Velmora\n{"), std::string::npos);
    EXPECT_TRUE(read_file(dir_ / "MyStrategy.cs").starts_with("using Velmora.Model;\n\nnamespace Velmora\n{"));
    EXPECT_TRUE(read_file(dir_ / "Model/Vec2Int.cs").starts_with("namespace Velmora.Model\n{\n    public struct Vec2Int\n"));
}

TEST_F(DotnetPackagesTest, FSharpProjectListsTheModelInGenerationOrder) {
    const cg::ClientGenOptions options{"velmora", dir_, "0.1.0"};
    cg::FSharpClient<Game>::gen(options, {});
    const std::string project = read_file(dir_ / "velmora.fsproj");
    EXPECT_EQ(project.find("<SourceFile />"), std::string::npos);
    const auto first = project.find("        <Compile Include=\"Model/Vec2Single.fs\" />\n");
    const auto client = project.find("<Compile Include=\"Model/ClientMessage.fs\" />");
    const auto server = project.find("<Compile Include=\"Model/ServerMessage.fs\" />");
    EXPECT_NE(first, std::string::npos) << project;
    EXPECT_LT(first, client);
    EXPECT_LT(client, server);
    EXPECT_NE(project.find("<Compile Include=\"Model/DebugState.fs\" />\n"
                           "        <Compile Include=\"DebugInterface.fs\" />\n"
                           "        <Compile Include=\"MyStrategy.fs\" />\n"
                           "        <Compile Include=\"Runner.fs\" />\n"
                           "    </ItemGroup>\n"),
              std::string::npos)
        << project;
    EXPECT_TRUE(read_file(dir_ / "MyStrategy.fs").starts_with("namespace Velmora\n\nopen Velmora.Model\n"));
    EXPECT_EQ(read_file(dir_ / "DebugInterface.fs"),
              cg::substitute_names(cg::client_template("fsharp/DebugInterface.fs"), "velmora"));
}

TEST_F(DotnetPackagesTest, TestStrategiesReplaceTheStrategyTemplates) {
    const auto files = velmora::client_gen::test_strategy_files();
    EXPECT_TRUE(files.at("CSharp").contains("MyStrategy.cs"));
    EXPECT_TRUE(files.at("FSharp").contains("MyStrategy.fs"));
}

}  // namespace
