// The local builds of every package with a build step, when the tool is
// missing and when it fails: each says the same, whatever the language.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <pakko/io.hpp>
#include <tarnwick/client_gen/cpp_package.hpp>
#include <tarnwick/client_gen/csharp_package.hpp>
#include <tarnwick/client_gen/dlang_package.hpp>
#include <tarnwick/client_gen/fsharp_package.hpp>
#include <tarnwick/client_gen/go_package.hpp>
#include <tarnwick/client_gen/jvm_packages.hpp>
#include <tarnwick/client_gen/rust_package.hpp>

#include "client_gen/test_files.hpp"
#include "velmora/game.hpp"

namespace {

namespace fs = std::filesystem;
namespace cg = tarnwick::client_gen;
using velmora::Game;

struct Build {
    std::string language;
    std::string tool;
    void (*build_local)(const cg::ClientGenOptions&);
};

class BuildTools : public test_files::PackageDirTest {
protected:
    void TearDown() override {
        if (path_) ::setenv("PATH", path_->c_str(), 1);
        PackageDirTest::TearDown();
    }

    // Only the stand-ins in `bin` are on PATH.
    fs::path only_stand_ins() {
        const fs::path bin = dir_ / "bin";
        fs::create_directories(bin);
        if (const char* path = std::getenv("PATH")) path_ = path;
        ::setenv("PATH", bin.c_str(), 1);
        return bin;
    }

    std::optional<std::string> path_;
};

std::string error_of(const Build& build, const cg::ClientGenOptions& options) {
    try {
        build.build_local(options);
    } catch (const std::exception& error) {
        return error.what();
    }
    return "no error";
}

TEST_F(BuildTools, AMissingToolGetsAHintAndAFailingToolPassesItsStatusThrough) {
    const Build builds[] = {
        {"Cpp", "cmake", &cg::CppClient<Game>::build_local},
        {"CSharp", "dotnet", &cg::CSharpClient<Game>::build_local},
        {"Dlang", "dub", &cg::DlangClient<Game>::build_local},
        {"FSharp", "dotnet", &cg::FSharpClient<Game>::build_local},
        {"Go", "go", &cg::GoClient<Game>::build_local},
        {"Java", "mvn", &cg::JavaClient<Game>::build_local},
        {"Kotlin", "mvn", &cg::KotlinClient<Game>::build_local},
        {"Rust", "cargo", &cg::RustClient<Game>::build_local},
        {"Scala", "mvn", &cg::ScalaClient<Game>::build_local},
    };
    const fs::path bin = only_stand_ins();
    const cg::ClientGenOptions options{"velmora", dir_ / "package", "0.1.0"};
    fs::create_directories(options.target_dir);
    for (const auto& build : builds) {
        SCOPED_TRACE(build.language);
        fs::remove(bin / build.tool);
        EXPECT_EQ(error_of(build, options), "Failed to start `" + build.tool + "` in " + options.target_dir.string() +
                                                ": No such file or directory (os error 2). Is `" + build.tool +
                                                "` installed and on PATH?");
        std::ofstream(bin / build.tool) << "#!/bin/sh\nexit 3\n";
        fs::permissions(bin / build.tool, fs::perms::owner_all);
        EXPECT_EQ(error_of(build, options), "Process exited with exit code: 3");
    }
}

}  // namespace
