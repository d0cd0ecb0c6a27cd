// The C++ client package built with CMake and played against the test game
// by the program itself, as a user would run it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <tarnwick/client_gen/process.hpp>

#include "client_gen/test_files.hpp"
#include "client_run.hpp"

namespace {

namespace fs = std::filesystem;
namespace cg = tarnwick::client_gen;

using test_files::read_file;

using client_run::run_program;

TEST(CppClient, BuildsWithCMakeAndPlaysTheTestGameToSuccess) {
    const fs::path dir = client_run::work_dir("cpp");
    client_run::expect_success(dir, "Cpp", "()");
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
    EXPECT_TRUE(run_program({VELMORA_CXX, "-std=c++17", "-Wall", "-pthread", "-I", (source / "tarnwick/client_templates/cpp").string(),
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
