#include "kimbly/autosave.hpp"

#include <fcntl.h>
#include <sys/stat.h>
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

// The data must be on disk before a rename makes it the file, and a file
// rewritten in place must not be reported saved when it is cut short.
int write_and_close(int fd, std::string_view text) {
    int error = write_all(fd, text);
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    return error;
}

void report_save_failure(const std::filesystem::path& path, int error) {
    if (error != 0) logger::error(TARGET, "Failed to save {:?}: {}", path.string(), os_error_text(error));
}

// The file a path finally names. Saving replaces that file, so a symbolic
// link (a relative one points from its own folder) stays a link.
std::filesystem::path final_target(std::filesystem::path path) {
    constexpr int MAX_LINKS = 40;
    for (int followed = 0; followed < MAX_LINKS; ++followed) {
        std::error_code error;
        if (!std::filesystem::is_symlink(path, error)) break;
        const std::filesystem::path next = std::filesystem::read_symlink(path, error);
        if (error) break;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return path;
}

// The new file takes the old one's permissions: a private file stays private.
void keep_mode_of(const std::filesystem::path& target, int fd) {
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) (void)::fchmod(fd, old.st_mode & 07777);
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
    const std::filesystem::path target = final_target(path);
    std::filesystem::path temporary = target;
    temporary += ".tmp";
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        // A folder we may not write to can still hold a file we may: rewrite
        // that one in place, without the protection of the rename.
        fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd < 0) {
            logger::error(TARGET, "Failed to create {:?}: {}", path.string(), os_error_text(errno));
            return;
        }
        report_save_failure(path, write_and_close(fd, text));
        return;
    }
    keep_mode_of(target, fd);
    int error = write_and_close(fd, text);
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) ::unlink(temporary.c_str());
    report_save_failure(path, error);
}

}  // namespace kimbly::autosave::detail
