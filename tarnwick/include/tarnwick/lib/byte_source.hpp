#pragma once
// Byte sources that can tell their end apart from a short read, which a game
// log needs: a log may end after any whole tick record but never inside one.
#include <chrono>
#include <cstddef>
#include <filesystem>
#include <memory>
#include <span>
#include <stop_token>
#include <string>
#include <vector>

#include <pakko/io.hpp>

namespace tarnwick {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads up to out.size() bytes; 0 only at the end (or for an empty out).
    // Throws pakko::IoError.
    virtual std::size_t read_some(std::span<std::byte> out) = 0;
};

class FileSource final : public ByteSource {
public:
    // How often a read waiting on the file looks at its stop request.
    static constexpr std::chrono::milliseconds POLL_INTERVAL{100};

    // Throws pakko::IoError when the file cannot be opened. With a token that
    // can be stopped, a stop request makes reads throw kimbly::StopRequested,
    // within a poll interval also while one waits on a pipe nobody writes to.
    explicit FileSource(const std::filesystem::path& path, std::stop_token stop = {});
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    std::size_t read_some(std::span<std::byte> out) override;

private:
    void wait_readable() const;

    int fd_;
    std::stop_token stop_;
};

// Every byte left in the source, as text. Throws pakko::IoError.
std::string read_to_end(ByteSource& source);

class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::vector<std::byte> bytes) : bytes_(std::move(bytes)) {}
    std::size_t read_some(std::span<std::byte> out) override;

private:
    std::vector<std::byte> bytes_;
    std::size_t position_ = 0;
};

// Reads a source in large pieces and can look ahead for its end without
// consuming anything.
class BufferedSource final : public pakko::Reader {
public:
    static constexpr std::size_t DEFAULT_CAPACITY = 8192;

    explicit BufferedSource(std::unique_ptr<ByteSource> source, std::size_t capacity = DEFAULT_CAPACITY);

    // A source that ends early gives the UnexpectedEof error.
    void read_exact(std::span<std::byte> out) override;

    // True when no byte is left; fills the buffer if it is empty.
    bool at_end();

private:
    bool fill();

    std::unique_ptr<ByteSource> source_;
    std::vector<std::byte> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
};

}  // namespace tarnwick
