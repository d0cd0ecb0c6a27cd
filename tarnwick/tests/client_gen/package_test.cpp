// Fixed files of a package: written byte for byte, with the project's names.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

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
    // A file where a directory is needed.
    EXPECT_THROW(write_file(path / "below", "x"), pakko::IoError);
    fs::remove_all(dir);
}

}  // namespace
