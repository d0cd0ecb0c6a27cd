// The C++ client package as generated for the game.
#include <gtest/gtest.h>

#include <filesystem>

#include <tarnwick/client_gen/cpp_package.hpp>
#include <tarnwick/client_gen/templates.hpp>

#include "velmora/client_gen/run.hpp"
#include "client_gen/test_files.hpp"
#include "velmora/game.hpp"

namespace {

namespace fs = std::filesystem;
namespace cg = tarnwick::client_gen;

using test_files::read_file;

using CppPackageTest = test_files::PackageDirTest;

TEST_F(CppPackageTest, TemplatesHaveTheirStatedSizes) {
    EXPECT_EQ(cg::client_template("cpp/Dockerfile").size(), 97u);
    EXPECT_EQ(cg::client_template("cpp/CMakeLists.txt").size(), 415u);
}

TEST_F(CppPackageTest, GenWritesTheModelAndTheFixedFilesWithTheProjectName) {
    const cg::ClientGenOptions options{"velmora", dir_ / "new" / "package", "0.1.0"};
    cg::CppClient<velmora::Game>::gen(options, {});
    for (const char* file : {"Stream.hpp", "Stream.cpp", "model/Model.hpp", "model/ServerMessage.hpp",
                             "model/DebugState.cpp", "Dockerfile", "TcpStream.hpp", "TcpStream.cpp",
                             "DebugInterface.hpp", "DebugInterface.cpp", "MyStrategy.hpp", "MyStrategy.cpp",
                             "main.cpp"}) {
        EXPECT_TRUE(fs::exists(options.target_dir / file)) << file;
    }
    const std::string cmake = read_file(options.target_dir / "CMakeLists.txt");
    EXPECT_TRUE(cmake.starts_with("cmake_minimum_required(VERSION 3.5)\nproject(velmora)\n"));
    EXPECT_TRUE(cmake.ends_with("add_executable(velmora ${HEADERS} ${SRC})\n"
                                "TARGET_LINK_LIBRARIES(velmora ${PROJECT_LIBS})"));
    EXPECT_TRUE(read_file(options.target_dir / "run.sh").ends_with("\n./velmora \"$@\""));
    EXPECT_TRUE(read_file(options.target_dir / "compile.sh").ends_with("\ncp velmora /output/"));
    // The C++ templates carry no CamelCase placeholder.
    EXPECT_EQ(read_file(options.target_dir / "main.cpp"), cg::client_template("cpp/main.cpp"));
}

TEST_F(CppPackageTest, RunLocalStartsTheBuiltProgramInThePackage) {
    const cg::ClientGenOptions options{"velmora", dir_, "0.1.0"};
    EXPECT_EQ(cg::CppClient<velmora::Game>::run_local(options), (cg::Command{"./velmora", {}, dir_}));
}

TEST_F(CppPackageTest, EveryTestStrategyReplacesAFileOfItsPackage) {
    const auto files = velmora::client_gen::test_strategy_files();
    ASSERT_TRUE(files.contains("Cpp"));
    EXPECT_EQ(files.at("Cpp").size(), 1u);
    EXPECT_TRUE(files.at("Cpp").contains("MyStrategy.cpp"));
}

}  // namespace
