#include "test_support/files.hpp"

#include <fstream>
#include <sstream>

namespace test_support {

std::string read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace test_support
