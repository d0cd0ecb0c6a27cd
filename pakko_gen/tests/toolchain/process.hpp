#pragma once
// Runs a tool chain's program without a shell and waits for it.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "golden.hpp"

extern char** environ;

namespace pakko_gen::testing {

struct ProcessResult {
    int status = -1;     // exit status; -1 when it could not start or was killed
    std::string output;  // standard output and error, interleaved
};

// Whether `program` is found on PATH.
inline bool on_path(const std::string& program) {
    const char* path = std::getenv("PATH");
    if (path == nullptr) return false;
    std::string entries(path);
    for (std::size_t start = 0; start <= entries.size();) {
        auto end = entries.find(':', start);
        if (end == std::string::npos) end = entries.size();
        auto candidate = std::filesystem::path(entries.substr(start, end - start)) / program;
        if (::access(candidate.c_str(), X_OK) == 0) return true;
        start = end + 1;
    }
    return false;
}

inline ProcessResult run_process(const std::vector<std::string>& arguments, const std::filesystem::path& log) {
    std::vector<char*> argv;
    for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t pid = -1;
    int started = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ProcessResult result;
    if (started != 0) {
        result.output = "could not start " + arguments[0];
        return result;
    }
    int wait_status = 0;
    while (waitpid(pid, &wait_status, 0) < 0) {
    }
    if (WIFEXITED(wait_status)) result.status = WEXITSTATUS(wait_status);
    result.output = read_file(log);
    return result;
}

// `arguments` run with at most 1 GiB of address space, so that a reader that
// makes room for a length it was sent fails instead of taking the memory.
inline std::vector<std::string> with_memory_limit(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"sh", "-c", "ulimit -v 1048576 && exec \"$0\" \"$@\""});
    return arguments;
}

}  // namespace pakko_gen::testing
