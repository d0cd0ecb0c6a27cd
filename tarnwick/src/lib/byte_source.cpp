#include "tarnwick/lib/byte_source.hpp"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <kimbly/thread.hpp>
#include <pakko/file_io.hpp>
#include <pakko/memory_io.hpp>

namespace tarnwick {

FileSource::FileSource(const std::filesystem::path& path, std::stop_token stop)
    : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)), stop_(std::move(stop)) {
    if (fd_ < 0) throw pakko::io_error_from_errno(errno);
}

FileSource::~FileSource() { ::close(fd_); }

void FileSource::wait_readable() const {
    while (true) {
        if (stop_.stop_requested()) throw kimbly::StopRequested{};
        pollfd waiting{fd_, POLLIN, 0};
        const int ready = ::poll(&waiting, 1, static_cast<int>(POLL_INTERVAL.count()));
        if (ready > 0) return;  // data, the end or an error: the read tells which
        if (ready < 0 && errno != EINTR) throw pakko::io_error_from_errno(errno);
    }
}

std::size_t FileSource::read_some(std::span<std::byte> out) {
    if (stop_.stop_possible()) wait_readable();
    while (true) {
        ssize_t n = ::read(fd_, out.data(), out.size());
        if (n >= 0) return static_cast<std::size_t>(n);
        if (errno != EINTR) throw pakko::io_error_from_errno(errno);
    }
}

std::string read_to_end(ByteSource& source) {
    std::string text;
    std::byte chunk[8192];
    while (const std::size_t got = source.read_some(chunk)) text.append(reinterpret_cast<const char*>(chunk), got);
    return text;
}

std::size_t MemorySource::read_some(std::span<std::byte> out) {
    std::size_t n = std::min(out.size(), bytes_.size() - position_);
    if (n != 0) std::memcpy(out.data(), bytes_.data() + position_, n);
    position_ += n;
    return n;
}

BufferedSource::BufferedSource(std::unique_ptr<ByteSource> source, std::size_t capacity)
    : source_(std::move(source)), buffer_(capacity) {}

bool BufferedSource::fill() {
    begin_ = 0;
    end_ = source_->read_some(buffer_);
    return end_ != 0;
}

void BufferedSource::read_exact(std::span<std::byte> out) {
    while (!out.empty()) {
        if (begin_ == end_) {
            if (out.size() >= buffer_.size()) {
                // A large read skips the buffer.
                std::size_t n = source_->read_some(out);
                if (n == 0) pakko::throw_unexpected_eof();
                out = out.subspan(n);
                continue;
            }
            if (!fill()) pakko::throw_unexpected_eof();
        }
        std::size_t n = std::min(out.size(), end_ - begin_);
        std::memcpy(out.data(), buffer_.data() + begin_, n);
        begin_ += n;
        out = out.subspan(n);
    }
}

bool BufferedSource::at_end() { return begin_ == end_ && !fill(); }

}  // namespace tarnwick
