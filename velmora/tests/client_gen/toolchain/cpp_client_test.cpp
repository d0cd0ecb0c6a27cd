// The C++ client package built with CMake and played against the test game
// by the program itself, as a user would run it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <tarnwick/client_gen/process.hpp>

#include "client_gen/test_files.hpp"

namespace {

namespace fs = std::filesystem;
namespace cg = tarnwick::client_gen;

using test_files::read_file;

// Runs the program with its standard output and error in `log`.
bool run_program(const std::vector<std::string>& args, const fs::path& log) {
    cg::Command command{"sh", {"-c", "\"$0\" \"$@\" > " + log.string() + " 2>&1"}, std::nullopt};
    command.args.insert(command.args.end(), args.begin(), args.end());
    cg::Child child(command);
    return child.wait().success();
}

TEST(CppClient, BuildsWithCMakeAndPlaysTheTestGameToSuccess) {
    const fs::path dir = fs::temp_directory_path() / ("velmora_cpp_client_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path log = dir / "log.txt";
    const bool succeeded = run_program({VELMORA_EXE, "--client-gen", (dir / "client").string(), "--client-gen-language",
                                    "Cpp", "--client-gen-test-mode", "run"},
                                   log);
    const std::string output = read_file(log);
    EXPECT_TRUE(succeeded) << output;
    for (const char* line : {"Generating Cpp with options ()", "Building...", "Running...",
                             "Waiting for connection on port 31005", "Got connection on port 31005",
                             "Client running time: ", "Success"}) {
        EXPECT_NE(output.find(line), std::string::npos) << line << "\n" << output;
    }
    // The local build takes C++17; the image's compile script takes C++20.
    EXPECT_TRUE(run_program({"sh", "-c", "cd \"$0\" && \"$1\" -std=c++20 -Wall -Werror -fsyntax-only *.cpp model/*.cpp",
                             (dir / "client").string(), VELMORA_CXX},
                            dir / "cxx20.txt"))
        << read_file(dir / "cxx20.txt");
    if (!HasFailure()) fs::remove_all(dir);
}

TEST(CppClient, SocketStreamsBufferAndReportAClosedGame) {
    const fs::path dir = fs::temp_directory_path() / ("velmora_tcp_stream_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path source = VELMORA_SOURCE_DIR;
    const fs::path program = dir / "tcp_stream_check";
    EXPECT_TRUE(run_program({VELMORA_CXX, "-std=c++17", "-Wall", "-I", (source / "tarnwick/client_templates/cpp").string(),
                             "-I", (source / "pakko_gen/templates/cpp").string(), "-o", program.string(),
                             (source / "velmora/tests/client_gen/toolchain/programs/tcp_stream_check.cpp").string(),
                             (source / "tarnwick/client_templates/cpp/TcpStream.cpp").string(),
                             (source / "pakko_gen/templates/cpp/Stream.cpp").string()},
                            dir / "compile.txt"))
        << read_file(dir / "compile.txt");
    EXPECT_TRUE(run_program({program.string()}, dir / "run.txt")) << read_file(dir / "run.txt");
    if (!HasFailure()) fs::remove_all(dir);
}

}  // namespace
