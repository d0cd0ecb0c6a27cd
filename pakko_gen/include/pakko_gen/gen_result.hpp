#pragma once
// The files a generator produced, and their writing below a directory.
#include <filesystem>
#include <string>
#include <vector>

namespace pakko_gen {

struct GenFile {
    std::filesystem::path path;  // relative, forward slashes
    std::string content;
    bool operator==(const GenFile&) const = default;
};

struct GenResult {
    // In the order they were first added, which is the order they are written.
    std::vector<GenFile> files;

    // Appends a file; a path already present gets the new content in its place.
    void add(std::string path, std::string content);

    // Writes every file below `directory`, creating the directories it needs
    // and truncating existing files. The first failure is thrown as a
    // pakko::IoError; files written before it stay.
    void write_to(const std::filesystem::path& directory) const;
};

}  // namespace pakko_gen
