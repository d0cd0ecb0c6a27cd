// Builds the generated Go model of the real roots with the go tool and
// checks it against the application's own encoding.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include <gtest/gtest.h>
#include <test_support/toolchain_env.hpp>

#include "pakko_gen/fixtures.hpp"
#include "pakko_gen/go/generator.hpp"
#include "process.hpp"
#include "round_trip.hpp"

namespace {

namespace fs = std::filesystem;
namespace t = pakko_gen::testing;

// One test, so that the model is built once.
TEST(GoModel, BuildsReencodesTheSamplesAndRejectsHostileBytes) {
    test_support::use_toolchain_home(VELMORA_BINARY_DIR);
    // Outside the source tree, so that no version-control data is involved.
    const auto dir = fs::temp_directory_path() / ("pakko_gen_go_model_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    const auto module = dir / "module";
    t::write_model<pakko_gen::go::Generator>(module);
    fs::create_directories(module / "round_trip");
    fs::copy_file(fs::path(VELMORA_SOURCE_DIR) / "pakko_gen/tests/toolchain/programs/go/round_trip.go",
                  module / "round_trip/main.go");
    {
        std::ofstream(module / "go.mod") << "module velmora\n\ngo 1.13\n";
    }
    const auto program = dir / "round_trip";
    auto built = t::run_process({"sh", "-c", "cd \"$0\" && go build -o \"$1\" ./round_trip", module.string(),
                                 program.string()},
                                dir / "build.log");
    ASSERT_EQ(built.status, 0) << built.output;

    t::expect_samples_round_trip(program, dir, "go");

    // The generated reader panics; the program reports the panic's value.
    const std::map<std::string, std::string> errors{
        {"negative list count", "Negative length or count"},
        {"negative text length", "Negative length or count"},
        {"huge text length", "Unexpected EOF"},
        {"negative map count", "Negative length or count"},
        {"unknown message tag", "Unexpected tag value"},
        {"unknown enumeration value", "Unexpected tag value"},
        {"bool byte 7", "Unexpected bool value"},
        {"cut-off message", "Unexpected EOF"},
    };
    t::expect_hostile_outcomes(program, dir, errors);
    if (!::testing::Test::HasFailure()) fs::remove_all(dir);
}

}  // namespace
