// The mode words of the command line: exact and case-sensitive.
#include <gtest/gtest.h>

#include "tarnwick/client_gen/test_mode.hpp"

namespace {

using tarnwick::client_gen::TestMode;
using tarnwick::client_gen::test_mode_from_str;

TEST(TestMode, FromStrTakesOnlyTheExactWords) {
    const std::pair<std::string, std::optional<TestMode>> cases[] = {
        {"gen", TestMode::Gen},
        {"build", TestMode::Build},
        {"run", TestMode::Run},
        {"build-docker", TestMode::BuildDocker},
        {"run-docker", TestMode::RunDocker},
        {"Run", std::nullopt},
        {"run ", std::nullopt},
        {" gen", std::nullopt},
        {"", std::nullopt},
        {"run_docker", std::nullopt},
    };
    for (const auto& [text, mode] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(test_mode_from_str(text), mode);
    }
}

}  // namespace
