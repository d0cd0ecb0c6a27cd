#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <pakko/io.hpp>

#include "pakko_gen/gen_result.hpp"

namespace {

namespace fs = std::filesystem;
using pakko_gen::GenResult;

std::string read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class GenResultTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("pakko_gen_result_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

TEST_F(GenResultTest, FilesKeepTheOrderOfTheirFirstAddition) {
    GenResult result;
    result.add("b.txt", "B");
    result.add("a/z.txt", "Z");
    result.add("b.txt", "B2");
    EXPECT_EQ(result.files, (std::vector<pakko_gen::GenFile>{{"b.txt", "B2"}, {"a/z.txt", "Z"}}));
}

TEST_F(GenResultTest, WritesBelowAMissingDirectoryAndTruncatesOldFiles) {
    fs::create_directories(dir_ / "model");
    std::ofstream(dir_ / "model" / "Old.hpp") << "a much longer old content";
    GenResult result{{{"Stream.hpp", "top\r\n"}, {"model/Old.hpp", "new"}, {"deep/er/x.txt", ""}}};
    result.write_to(dir_ / "missing" / "root");
    result.write_to(dir_);
    for (const auto& base : {dir_ / "missing" / "root", dir_}) {
        EXPECT_EQ(read(base / "Stream.hpp"), "top\r\n");
        EXPECT_EQ(read(base / "model" / "Old.hpp"), "new");
        EXPECT_TRUE(fs::is_regular_file(base / "deep" / "er" / "x.txt"));
    }
}

TEST_F(GenResultTest, StopsAtTheFirstFailureKeepingEarlierFiles) {
    fs::create_directories(dir_);
    std::ofstream(dir_ / "blocker") << "a file where a directory is needed";
    GenResult result{{{"first.txt", "1"}, {"blocker/inner.txt", "2"}, {"last.txt", "3"}}};
    EXPECT_THROW(result.write_to(dir_), pakko::IoError);
    EXPECT_EQ(read(dir_ / "first.txt"), "1");
    EXPECT_FALSE(fs::exists(dir_ / "last.txt"));
}

}  // namespace
