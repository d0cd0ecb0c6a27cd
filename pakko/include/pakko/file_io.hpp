#pragma once
// Buffered byte sources and sinks over files (game logs).
#include <cstdio>
#include <filesystem>
#include <vector>

#include "pakko/io.hpp"

namespace pakko {

// The IoError for an operating-system error number, with the kind that matches it.
IoError io_error_from_errno(int error_number);

class FileReader final : public Reader {
public:
    // Throws IoError when the file cannot be opened.
    explicit FileReader(const std::filesystem::path& path);
    ~FileReader() override;
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;

    void read_exact(std::span<std::byte> out) override;
    // True when every byte of the file has been read.
    bool at_end();

private:
    std::FILE* file_;
};

class FileWriter final : public Writer {
public:
    // Creates or truncates the file; throws IoError when it cannot.
    explicit FileWriter(const std::filesystem::path& path, std::size_t buffer_size = 1 << 16);
    ~FileWriter() override;
    FileWriter(const FileWriter&) = delete;
    FileWriter& operator=(const FileWriter&) = delete;

    void write_all(std::span<const std::byte> bytes) override;
    // Writes the buffered bytes out; a failure (full disk) is an IoError, so a
    // caller that flushes before reporting success never reports a partial file.
    void flush() override;

private:
    void drain();

    std::FILE* file_;
    std::vector<std::byte> buffer_;
    std::size_t used_ = 0;
};

}  // namespace pakko
