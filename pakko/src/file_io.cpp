#include "pakko/file_io.hpp"

#include <cerrno>
#include <cstring>
#include <string>

#include "pakko/memory_io.hpp"

namespace pakko {

IoError io_error_from_errno(int error_number) {
    ErrorKind kind = ErrorKind::Os;
    switch (error_number) {
        case ENOENT: kind = ErrorKind::NotFound; break;
        case EACCES:
        case EPERM: kind = ErrorKind::PermissionDenied; break;
        case EPIPE: kind = ErrorKind::BrokenPipe; break;
        case ECONNRESET: kind = ErrorKind::ConnectionReset; break;
        case ETIMEDOUT:
        case EAGAIN: kind = ErrorKind::TimedOut; break;
        default: break;
    }
    return IoError(kind, std::string(std::strerror(error_number)) + " (os error " + std::to_string(error_number) + ")");
}

FileReader::FileReader(const std::filesystem::path& path) : file_(std::fopen(path.c_str(), "rb")) {
    if (file_ == nullptr) throw io_error_from_errno(errno);
}

FileReader::~FileReader() { std::fclose(file_); }

void FileReader::read_exact(std::span<std::byte> out) {
    if (out.empty()) return;
    std::size_t got = std::fread(out.data(), 1, out.size(), file_);
    if (got == out.size()) return;
    if (std::ferror(file_)) throw io_error_from_errno(errno);
    throw_unexpected_eof();
}

bool FileReader::at_end() {
    int c = std::fgetc(file_);
    if (c == EOF) return true;
    std::ungetc(c, file_);
    return false;
}

FileWriter::FileWriter(const std::filesystem::path& path, std::size_t buffer_size)
    : file_(std::fopen(path.c_str(), "wb")), buffer_(buffer_size == 0 ? 1 : buffer_size) {
    if (file_ == nullptr) throw io_error_from_errno(errno);
    std::setvbuf(file_, nullptr, _IONBF, 0);
}

FileWriter::~FileWriter() {
    // Callers that care about the outcome flush first; here a failure can only be dropped.
    try {
        drain();
    } catch (const IoError&) {
    }
    std::fclose(file_);
}

void FileWriter::write_all(std::span<const std::byte> bytes) {
    while (!bytes.empty()) {
        if (used_ == buffer_.size()) drain();
        std::size_t n = std::min(bytes.size(), buffer_.size() - used_);
        std::memcpy(buffer_.data() + used_, bytes.data(), n);
        used_ += n;
        bytes = bytes.subspan(n);
    }
}

void FileWriter::drain() {
    std::size_t done = 0;
    while (done < used_) {
        errno = 0;
        std::size_t n = std::fwrite(buffer_.data() + done, 1, used_ - done, file_);
        if (n == 0) {
            int error_number = errno;
            used_ = 0;
            if (error_number == 0) throw IoError(ErrorKind::WriteZero, "failed to write whole buffer");
            throw io_error_from_errno(error_number);
        }
        done += n;
    }
    used_ = 0;
}

void FileWriter::flush() {
    drain();
    if (std::fflush(file_) != 0) throw io_error_from_errno(errno);
}

}  // namespace pakko
