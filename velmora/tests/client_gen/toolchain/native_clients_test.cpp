// The Go and D client packages built with their own tool chains and played
// against the test game by the program itself, in one run as a user would
// ask for both.
#include <gtest/gtest.h>
#include <test_support/toolchain_env.hpp>

#include <filesystem>
#include <string>

#include "client_gen/test_files.hpp"
#include "client_run.hpp"

namespace {

namespace fs = std::filesystem;

TEST(NativeClients, GoAndDPackagesBuildAndPlayTheTestGameToSuccess) {
    test_support::use_toolchain_home(VELMORA_BINARY_DIR);
    // Outside the source tree: the go tool would stamp version-control data.
    const fs::path dir = client_run::work_dir("native");
    const fs::path log = dir / "log.txt";
    const bool succeeded = client_run::run_program({VELMORA_EXE, "--client-gen", (dir / "clients").string(),
                                                    "--client-gen-language", "Go", "--client-gen-language", "Dlang",
                                                    "--client-gen-test-mode", "run"},
                                                   log);
    const std::string output = test_files::read_file(log);
    EXPECT_TRUE(succeeded) << output;
    // D comes before Go in the languages' fixed order.
    std::size_t from = 0;
    for (const char* language : {"Dlang", "Go"}) {
        for (std::string line : {std::string("Generating ") + language + " with options ()", std::string("Building..."),
                                 std::string("Running..."), std::string("Got connection on port 31005"),
                                 std::string("Client running time: "), std::string("Success")}) {
            from = output.find(line, from);
            ASSERT_NE(from, std::string::npos) << language << ": " << line << "\n" << output;
        }
    }
    if (!HasFailure()) fs::remove_all(dir);
}

}  // namespace
