#include "tarnwick/client_gen/process.hpp"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <system_error>

#include <kimbly/panic.hpp>

#include "tarnwick/client_gen/error.hpp"
#include "tarnwick/net/os_error.hpp"

extern char** environ;

namespace tarnwick::client_gen {

namespace {

// The Unicode White_Space characters beyond ASCII, as code points.
bool is_unicode_space(std::uint32_t c) {
    return c == 0x85 || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 ||
           c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

// The length in bytes of the white space starting at `at`, or 0.
std::size_t space_length(std::string_view text, std::size_t at) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte == ' ' || (byte >= '\t' && byte <= '\r')) return 1;
    auto unit = [&](std::size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(text[at + i])); };
    if (byte >= 0xC2 && byte < 0xE0 && at + 1 < text.size()) {
        return is_unicode_space(((byte & 0x1F) << 6) | (unit(1) & 0x3F)) ? 2 : 0;
    }
    if (byte >= 0xE0 && byte < 0xF0 && at + 2 < text.size()) {
        return is_unicode_space(((byte & 0x0F) << 12) | ((unit(1) & 0x3F) << 6) | (unit(2) & 0x3F)) ? 3 : 0;
    }
    return 0;
}

// Why `command` could not start, naming the program and where it was to
// run; a program looked up on PATH that is not there gets a hint, the same
// for every tool. A missing working directory fails the same way and gets
// no hint.
pakko::IoError start_error(const Command& command, int errnum) {
    std::string context = "Failed to start `" + command.program + "`";
    if (command.working_dir) context += " in " + command.working_dir->string();
    const pakko::IoError error = net::os_error(errnum, context);
    std::error_code ignored;
    const bool looked_up = command.program.find('/') == std::string::npos &&
                           (!command.working_dir || std::filesystem::is_directory(*command.working_dir, ignored));
    if (errnum != ENOENT || !looked_up) return error;
    return pakko::IoError(error.kind(), std::string(error.what()) + ". Is `" + command.program +
                                            "` installed and on PATH?");
}

}  // namespace

Command command(std::string_view line) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < line.size()) {
        if (std::size_t space = space_length(line, at)) {
            at += space;
            continue;
        }
        std::size_t end = at;
        while (end < line.size() && space_length(line, end) == 0) ++end;
        words.emplace_back(line.substr(at, end - at));
        at = end;
    }
    if (words.empty()) kimbly::panic("called `Option::unwrap()` on a `None` value");
    Command result{std::move(words.front()), {}, std::nullopt};
    result.args.assign(std::make_move_iterator(words.begin() + 1), std::make_move_iterator(words.end()));
    return result;
}

bool ExitStatus::success() const { return WIFEXITED(raw) && WEXITSTATUS(raw) == 0; }

std::string ExitStatus::text() const {
    if (WIFSIGNALED(raw)) return "signal: " + std::to_string(WTERMSIG(raw));
    return "exit code: " + std::to_string(WEXITSTATUS(raw));
}

Child::Child(const Command& command, Stdin stdin_mode) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(command.program.c_str()));
    for (const auto& argument : command.args) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    int pipe_ends[2] = {-1, -1};
    if (stdin_mode == Stdin::Piped && ::pipe2(pipe_ends, O_CLOEXEC) != 0) throw start_error(command, errno);
    // Nothing throws between the set-up of the actions and their release.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (pipe_ends[0] >= 0) posix_spawn_file_actions_adddup2(&actions, pipe_ends[0], STDIN_FILENO);
    if (command.working_dir) posix_spawn_file_actions_addchdir_np(&actions, command.working_dir->c_str());
    int failed = ::posix_spawnp(&pid_, command.program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (pipe_ends[0] >= 0) ::close(pipe_ends[0]);
    if (failed != 0) {
        if (pipe_ends[1] >= 0) ::close(pipe_ends[1]);
        pid_ = -1;
        throw start_error(command, failed);
    }
    stdin_fd_ = pipe_ends[1];
}

Child::~Child() {
    if (stdin_fd_ >= 0) ::close(stdin_fd_);
    if (pid_ < 0 || waited_) return;
    ::kill(pid_, SIGKILL);
    int status = 0;
    while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
}

void Child::write_stdin_and_close(std::string_view bytes) {
    int fd = stdin_fd_;
    stdin_fd_ = -1;
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            int error = errno;
            ::close(fd);
            throw net::os_error(error);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    ::close(fd);
}

ExitStatus Child::wait() {
    if (stdin_fd_ >= 0) {
        ::close(stdin_fd_);
        stdin_fd_ = -1;
    }
    // Waits without reaping first, so that kill() from another thread can
    // never hit a reused process id.
    siginfo_t info{};
    while (::waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOWAIT) < 0) {
        if (errno != EINTR) throw net::os_error(errno);
    }
    std::lock_guard lock(mutex_);
    ExitStatus status;
    while (::waitpid(pid_, &status.raw, 0) < 0) {
        if (errno != EINTR) throw net::os_error(errno);
    }
    waited_ = true;
    return status;
}

void Child::kill() {
    std::lock_guard lock(mutex_);
    if (pid_ >= 0 && !waited_) ::kill(pid_, SIGKILL);
}

void check_status(ExitStatus status) {
    if (!status.success()) throw Error("Process exited with " + status.text());
}

void run(const Command& command) {
    Child child(command);
    check_status(child.wait());
}

}  // namespace tarnwick::client_gen
