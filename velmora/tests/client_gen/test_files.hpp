#pragma once
// Reading back the files that client generation wrote.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace test_files {

inline std::string read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace test_files
