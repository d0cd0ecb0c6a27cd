#pragma once
// The environment of tests that run other languages' tool chains.
#include <cstdlib>
#include <filesystem>

namespace test_support {

// Tool chains keep their caches under the home folder: one home below the
// build folder keeps the user's own untouched and lets later runs reuse what
// was compiled. Go builds offline, stamps no version-control data (the
// sources may lie inside a work tree) and always works in module mode.
inline void use_toolchain_home(const std::filesystem::path& build_dir) {
    const auto home = build_dir / "toolchain_home";
    std::filesystem::create_directories(home);
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("GOCACHE", (home / ".cache" / "go-build").c_str(), 1);
    ::setenv("GOPATH", (home / "go").c_str(), 1);
    ::setenv("GOFLAGS", "-buildvcs=false", 1);
    ::setenv("GOPROXY", "off", 1);
    ::setenv("GO111MODULE", "on", 1);
}

}  // namespace test_support
