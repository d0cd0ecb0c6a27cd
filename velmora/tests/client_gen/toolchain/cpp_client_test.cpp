// The C++ client package built with CMake and played against the test game
// by the program itself, as a user would run it.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

std::string read_file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs the program with its standard output and error in `log`; the exit status.
int run_program(std::vector<std::string> args, const fs::path& log) {
    std::vector<char*> argv;
    for (auto& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t pid = -1;
    int started = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (started != 0) return -1;
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(CppClient, BuildsWithCMakeAndPlaysTheTestGameToSuccess) {
    const fs::path dir = fs::temp_directory_path() / ("velmora_cpp_client_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path log = dir / "log.txt";
    const int status = run_program({VELMORA_EXE, "--client-gen", (dir / "client").string(), "--client-gen-language",
                                    "Cpp", "--client-gen-test-mode", "run"},
                                   log);
    const std::string output = read_file(log);
    EXPECT_EQ(status, 0) << output;
    for (const char* line : {"Generating Cpp with options ()", "Building...", "Running...",
                             "Waiting for connection on port 31005", "Got connection on port 31005",
                             "Client running time: ", "Success"}) {
        EXPECT_NE(output.find(line), std::string::npos) << line << "\n" << output;
    }
    if (!HasFailure()) fs::remove_all(dir);
}

}  // namespace
