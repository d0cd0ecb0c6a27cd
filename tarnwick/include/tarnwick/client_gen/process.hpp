#pragma once
// Child processes of client generation: started without a shell, with the
// program's standard streams (or a piped standard input), and judged by their
// exit status.
#include <sys/types.h>

#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick::client_gen {

struct Command {
    std::string program;
    std::vector<std::string> args;
    std::optional<std::filesystem::path> working_dir;  // the caller's own when absent

    Command& arg(std::string value) {
        args.push_back(std::move(value));
        return *this;
    }
    bool operator==(const Command&) const = default;
};

// The first word of `line` is the program, the others its arguments; words
// are split at runs of white space. A line without words is a fault of the
// caller and stops the program.
Command command(std::string_view line);

// How a child ended, as raw waitpid status.
struct ExitStatus {
    int raw = 0;
    bool success() const;
    // "exit code: 2" or "signal: 9".
    std::string text() const;
};

// A started child. Its destructor ends a child that is still running and
// reaps it, so that no child outlives the one who started it unseen. kill()
// may be called from another thread while one thread waits.
class Child {
public:
    enum class Stdin { Inherit, Piped };

    // Throws pakko::IoError when the program cannot be started; its message
    // names the program and the working directory.
    Child(const Command& command, Stdin stdin_mode = Stdin::Inherit);
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    ~Child();

    pid_t pid() const { return pid_; }
    // Writes to the piped standard input, then closes it. Throws pakko::IoError.
    void write_stdin_and_close(std::string_view bytes);
    // Throws pakko::IoError when waiting fails.
    ExitStatus wait();
    // Sends SIGKILL unless the child was already waited for.
    void kill();

private:
    pid_t pid_ = -1;
    int stdin_fd_ = -1;
    std::mutex mutex_;
    bool waited_ = false;  // guarded by mutex_
};

// Fails with "Process exited with " and the status unless the child succeeded.
void check_status(ExitStatus status);

// Runs `command` to its end with the program's standard streams: a program
// that cannot start throws its pakko::IoError, an unsuccessful end the Error
// of check_status.
void run(const Command& command);

}  // namespace tarnwick::client_gen
