#pragma once
// Whole files as text, for tests that check what was written.
#include <filesystem>
#include <string>

namespace test_support {

// The file's bytes; empty when it cannot be opened.
std::string read_file(const std::filesystem::path& path);

}  // namespace test_support
