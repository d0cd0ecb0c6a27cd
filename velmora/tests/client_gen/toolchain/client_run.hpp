#pragma once
// Plays a language's client package against the test game through the
// program itself, as a user would run it, and reads what it logged.
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <tarnwick/client_gen/process.hpp>

#include "client_gen/test_files.hpp"

namespace client_run {

// Runs the program with its standard output and error in `log`.
inline bool run_program(const std::vector<std::string>& args, const std::filesystem::path& log) {
    tarnwick::client_gen::Command command{"sh", {"-c", "\"$0\" \"$@\" > " + log.string() + " 2>&1"}, std::nullopt};
    command.args.insert(command.args.end(), args.begin(), args.end());
    tarnwick::client_gen::Child child(command);
    return child.wait().success();
}

// Whether the shell finds `program`.
inline bool on_path(const std::string& program) {
    return run_program({"sh", "-c", "command -v \"$0\"", program}, "/dev/null");
}

// A fresh work folder for one test of `language`.
inline std::filesystem::path work_dir(const std::string& language) {
    auto dir = std::filesystem::temp_directory_path() / ("velmora_" + language + "_client_" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

// Generates, builds and runs the package of `language` under dir/client;
// `prefix` goes before the program's command (such as env with a PATH).
inline void expect_success(const std::filesystem::path& dir, const std::string& language,
                           const std::string& options_line, std::vector<std::string> prefix = {}) {
    const auto log = dir / "log.txt";
    prefix.insert(prefix.end(), {VELMORA_EXE, "--client-gen", (dir / "client").string(), "--client-gen-language",
                                 language, "--client-gen-test-mode", "run"});
    const bool succeeded = run_program(prefix, log);
    const std::string output = test_files::read_file(log);
    EXPECT_TRUE(succeeded) << output;
    for (const std::string& line : {"Generating " + language + " with options " + options_line, std::string("Building..."),
                                   std::string("Running..."), std::string("Waiting for connection on port 31005"),
                                   std::string("Got connection on port 31005"), std::string("Client running time: "),
                                   std::string("Success")}) {
        EXPECT_NE(output.find(line), std::string::npos) << line << "\n" << output;
    }
}

}  // namespace client_run
