#pragma once
// What the client test harness does after generating each package, as the
// command line names it. Header-only: the command line checks the mode
// without linking client generation.
#include <optional>
#include <string>
#include <string_view>

namespace tarnwick::client_gen {

enum class TestMode { Gen, Build, Run, BuildDocker, RunDocker };

inline constexpr std::string_view TEST_MODE_ERROR = "Only gen | build[-docker] | run[-docker]";

// Exact and case-sensitive; none for any other text.
inline std::optional<TestMode> test_mode_from_str(std::string_view text) {
    if (text == "gen") return TestMode::Gen;
    if (text == "build") return TestMode::Build;
    if (text == "run") return TestMode::Run;
    if (text == "build-docker") return TestMode::BuildDocker;
    if (text == "run-docker") return TestMode::RunDocker;
    return std::nullopt;
}

struct TestOptions {
    std::optional<std::string> host_from_docker{};
    // Remove the target directory before generating.
    bool clean = true;
    TestMode mode = TestMode::Gen;
};

}  // namespace tarnwick::client_gen
