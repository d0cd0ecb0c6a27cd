#pragma once
// Reading back the files that client generation wrote.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>
#include "test_support/files.hpp"

namespace test_files {

using test_support::read_file;

// A fresh folder per test, removed afterwards.
class PackageDirTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() / ("client_gen_package_" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::filesystem::path dir_;
};

}  // namespace test_files
