#include "kimbly/autosave.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "kimbly/logger.hpp"
#include "pakko/file_io.hpp"

namespace kimbly::autosave::detail {
namespace {

constexpr std::string_view TARGET = "kimbly::autosave";

std::string os_error_text(int error_number) {
    return pakko::io_error_from_errno(error_number).what();
}

// Writes all bytes; returns 0 or the error number.
int write_all(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

}  // namespace

std::optional<std::string> read_text(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    int error = fd < 0 ? errno : 0;
    std::string text;
    if (fd >= 0) {
        char buffer[8192];
        while (true) {
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got > 0) {
                text.append(buffer, static_cast<std::size_t>(got));
            } else if (got == 0) {
                break;
            } else if (errno != EINTR) {
                error = errno;
                break;
            }
        }
        ::close(fd);
    }
    if (error != 0) {
        logger::warn(TARGET, "Failed to open {:?}: {}", path.string(), os_error_text(error));
        return std::nullopt;
    }
    return text;
}

void log_parse_failure(const std::filesystem::path& path, std::string_view error) {
    logger::error(TARGET, "Failed to deserialize {:?}: {}", path.string(), error);
}

void log_loaded(const std::filesystem::path& path) {
    logger::info(TARGET, "Successfully loaded {:?}", path.string());
}

void save_text(const std::filesystem::path& path, std::string_view text) {
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        logger::error(TARGET, "Failed to create {:?}: {}", path.string(), os_error_text(errno));
        return;
    }
    int error = write_all(fd, text);
    // The data must be on disk before the rename makes it the file: a crash
    // in between would otherwise leave an empty preferences file.
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        logger::error(TARGET, "Failed to save {:?}: {}", path.string(), os_error_text(error));
    }
}

}  // namespace kimbly::autosave::detail
