// The C# and F# packages need the .NET SDK, which this machine lacks: the
// build mode must say so and fail. The C# package's sources, test strategy
// included, still compile with mcs.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "client_gen/test_files.hpp"
#include "client_run.hpp"

namespace {

namespace fs = std::filesystem;

using test_files::read_file;
using client_run::on_path;
using client_run::run_program;


TEST(DotnetClients, BuildModeReportsTheMissingDotnetAndTheCSharpSourcesCompileWithMcs) {
    if (on_path("dotnet")) GTEST_SKIP() << "dotnet is installed: the package builds with it";
    const fs::path dir = client_run::work_dir("dotnet");
    for (const char* language : {"CSharp", "FSharp"}) {
        const fs::path log = dir / (std::string(language) + ".txt");
        EXPECT_FALSE(run_program({VELMORA_EXE, "--client-gen", (dir / language).string(), "--client-gen-language",
                                  language, "--client-gen-test-mode", "build"},
                                 log))
            << language;
        const std::string output = read_file(log);
        EXPECT_NE(output.find("Error: Failed to start `dotnet` in " + (dir / language).string() +
                              ": No such file or directory (os error 2). Is `dotnet` installed and on PATH?"),
                  std::string::npos)
            << output;
        EXPECT_EQ(output.find("Success"), std::string::npos) << output;
    }
    if (on_path("mcs")) {
        EXPECT_TRUE(run_program({"sh", "-c", "cd \"$0\" && mcs -warnaserror -out:client.exe *.cs Model/*.cs",
                                 (dir / "CSharp").string()},
                                dir / "mcs.txt"))
            << read_file(dir / "mcs.txt");
    }
    if (!HasFailure()) fs::remove_all(dir);
}

}  // namespace
