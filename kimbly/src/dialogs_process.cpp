#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include <fmt/format.h>

#include "kimbly/dialogs/process_backend.hpp"
#include "kimbly/logger.hpp"

extern char** environ;

namespace kimbly::dialogs {
namespace {

constexpr std::string_view TARGET = "kimbly::dialogs";

bool has_display() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return true;
    }
    return false;
}

std::optional<std::filesystem::path> find_on_path(std::string_view name) {
    const char* path = std::getenv("PATH");
    if (path == nullptr) return std::nullopt;
    std::string_view dirs(path);
    while (true) {
        const std::size_t colon = dirs.find(':');
        std::string_view dir = dirs.substr(0, colon);
        // An empty entry is the working directory.
        std::filesystem::path candidate = std::filesystem::path(dir.empty() ? "." : dir) / name;
        if (::access(candidate.c_str(), X_OK) == 0) return candidate;
        if (colon == std::string_view::npos) return std::nullopt;
        dirs.remove_prefix(colon + 1);
    }
}

// Closes a descriptor when it goes out of scope.
class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() { reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    void reset() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_;
};

class SpawnActions {
public:
    SpawnActions() { posix_spawn_file_actions_init(&actions_); }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&actions_); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;
    posix_spawn_file_actions_t* get() { return &actions_; }

private:
    posix_spawn_file_actions_t actions_;
};

}  // namespace

std::optional<DialogProgram> find_dialog_program() {
    if (auto path = find_on_path("zenity")) return DialogProgram{*path, Tool::Zenity};
    if (auto path = find_on_path("kdialog")) return DialogProgram{*path, Tool::Kdialog};
    return std::nullopt;
}

std::vector<std::string> save_arguments(Tool tool, std::string_view title,
                                        std::string_view default_name) {
    switch (tool) {
        case Tool::Zenity:
            return {"--file-selection", "--save", "--confirm-overwrite",
                    fmt::format("--title={}", title), fmt::format("--filename={}", default_name)};
        case Tool::Kdialog:
            return {"--title", std::string(title), "--getsavefilename", std::string(default_name)};
    }
    return {};
}

std::vector<std::string> open_arguments(Tool tool, std::string_view title) {
    switch (tool) {
        case Tool::Zenity:
            return {"--file-selection", fmt::format("--title={}", title)};
        case Tool::Kdialog:
            return {"--title", std::string(title), "--getopenfilename", "."};
    }
    return {};
}

std::optional<DialogProgram> ProcessBackend::program() const {
    if (program_) return program_;
    return find_dialog_program();
}

std::optional<std::filesystem::path> ProcessBackend::save_file(std::string_view title,
                                                               std::string_view default_name) {
    const auto found = program();
    if (!found) {
        logger::warn(TARGET,
                     "No file dialog program (zenity or kdialog) found; the dialog counts as "
                     "cancelled");
        return std::nullopt;
    }
    return run(*found, save_arguments(found->tool, title, default_name));
}

std::optional<std::filesystem::path> ProcessBackend::open_file(std::string_view title) {
    const auto found = program();
    if (!found) {
        logger::warn(TARGET,
                     "No file dialog program (zenity or kdialog) found; the dialog counts as "
                     "cancelled");
        return std::nullopt;
    }
    return run(*found, open_arguments(found->tool, title));
}

std::optional<std::filesystem::path> ProcessBackend::run(const DialogProgram& program,
                                                         const std::vector<std::string>& arguments) {
    if (!has_display()) {
        logger::warn(TARGET, "No display for the file dialog; the dialog counts as cancelled");
        return std::nullopt;
    }
    int pipe_fds[2];
    if (::pipe2(pipe_fds, O_CLOEXEC) != 0) {
        logger::warn(TARGET, "Failed to run the file dialog: {}", std::strerror(errno));
        return std::nullopt;
    }
    Fd read_end(pipe_fds[0]);
    Fd write_end(pipe_fds[1]);

    SpawnActions actions;
    posix_spawn_file_actions_addopen(actions.get(), 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(actions.get(), write_end.get(), 1);
    // The toolkit's own chatter would mix into our log on standard error.
    posix_spawn_file_actions_addopen(actions.get(), 2, "/dev/null", O_WRONLY, 0);

    std::vector<std::string> owned;
    owned.reserve(arguments.size() + 1);
    owned.push_back(program.path.string());
    owned.insert(owned.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& argument : owned) argv.push_back(argument.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    const int spawned =
        ::posix_spawn(&pid, program.path.c_str(), actions.get(), nullptr, argv.data(), environ);
    write_end.reset();
    if (spawned != 0) {
        logger::warn(TARGET, "Failed to run {:?}: {}", program.path.string(), std::strerror(spawned));
        return std::nullopt;
    }

    std::string output;
    char buffer[4096];
    while (true) {
        const ssize_t got = ::read(read_end.get(), buffer, sizeof buffer);
        if (got > 0) {
            output.append(buffer, static_cast<std::size_t>(got));
        } else if (got == 0 || errno != EINTR) {
            break;
        }
    }
    read_end.reset();

    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status)) {
        logger::warn(TARGET, "The file dialog {:?} ended abnormally", program.path.string());
        return std::nullopt;
    }
    const int code = WEXITSTATUS(status);
    if (code == 1) return std::nullopt;  // the user cancelled
    if (code != 0) {
        logger::warn(TARGET, "The file dialog {:?} failed with exit status {}",
                     program.path.string(), code);
        return std::nullopt;
    }
    if (!output.empty() && output.back() == '\n') output.pop_back();
    if (output.empty()) return std::nullopt;
    return std::filesystem::path(output);
}

}  // namespace kimbly::dialogs
