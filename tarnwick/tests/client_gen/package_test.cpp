// Fixed files of a package: written byte for byte, with the project's names.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

#include <pakko/io.hpp>

#include "tarnwick/client_gen/package.hpp"
#include "test_support/files.hpp"

namespace {

namespace fs = std::filesystem;
using namespace tarnwick::client_gen;

using test_support::read_file;

TEST(Package, SubstitutesTheSnakeThenTheCamelName) {
    struct Case {
        std::string text;
        std::string name;
        std::string expected;
    };
    const Case cases[] = {
        {"project(project_name) class ProjectName", "velmora", "project(velmora) class Velmora"},
        {"./project_name ProjectName", "MyGame2", "./my_game2 MyGame2"},
        {"nothing to replace\r\n", "velmora", "nothing to replace\r\n"},
        // The snake form is replaced first, so a CamelCase name it brings in
        // is replaced again.
        {"project_name", "ProjectName", "project_name"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(substitute_names(c.text, c.name), c.expected);
    }
}

TEST(Package, WriteFileCreatesParentsTruncatesAndKeepsLineEnds) {
    const fs::path dir = fs::temp_directory_path() / "client_gen_package_test";
    fs::remove_all(dir);
    const fs::path path = dir / "a" / "b" / "DebugInterface.cs";
    write_file(path, "a longer first text\r\n");
    write_file(path, "line\r\nend");
    EXPECT_EQ(read_file(path), "line\r\nend");
    fs::remove_all(dir);
}

TEST(Package, WriteFileFailuresNameThePath) {
    const fs::path dir = fs::temp_directory_path() / ("client_gen_package_failures_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    write_file(dir / "afile", "x");
    fs::create_directories(dir / "folder");
    struct Case {
        fs::path path;
        std::string error;
    };
    const Case cases[] = {
        {dir / "afile" / "below", "Cannot create the folder " + (dir / "afile").string() + ": Not a directory (os error 20)"},
        {dir / "afile" / "sub" / "below",
         "Cannot create the folder " + (dir / "afile" / "sub").string() + ": Not a directory (os error 20)"},
        {dir / "folder", "Cannot write " + (dir / "folder").string() + ": Is a directory (os error 21)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.string());
        try {
            write_file(c.path, "x");
            ADD_FAILURE() << "written";
        } catch (const pakko::IoError& error) {
            EXPECT_EQ(error.what(), c.error);
        }
    }
    EXPECT_EQ(read_file(dir / "afile"), "x");
    fs::remove_all(dir);
}

}  // namespace
