// Builds the generated D model of the real roots with ldc2 and checks it
// against the application's own encoding.
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>

#include <gtest/gtest.h>
#include <test_support/toolchain_env.hpp>

#include "pakko_gen/dlang/generator.hpp"
#include "pakko_gen/fixtures.hpp"
#include "process.hpp"
#include "round_trip.hpp"

namespace {

namespace fs = std::filesystem;
namespace t = pakko_gen::testing;

// One test, so that the model is built once.
TEST(DlangModel, BuildsReencodesTheSamplesAndRejectsHostileBytes) {
    test_support::use_toolchain_home(VELMORA_BINARY_DIR);
    const auto dir = fs::temp_directory_path() / ("pakko_gen_dlang_model_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    const auto source = dir / "source";
    t::write_model<pakko_gen::dlang::Generator>(source);
    fs::copy_file(fs::path(VELMORA_SOURCE_DIR) / "pakko_gen/tests/toolchain/programs/dlang/round_trip.d",
                  source / "round_trip.d");
    const auto program = dir / "round_trip";
    // The model's modules name each other by their stems, so the model
    // folder is an import path of its own.
    auto built = t::run_process({"sh", "-c", "cd \"$0\" && ldc2 -I. -Imodel -of=\"$1\" *.d model/*.d", source.string(),
                                 program.string()},
                                dir / "build.log");
    ASSERT_EQ(built.status, 0) << built.output;

    t::expect_samples_round_trip(program, dir, "dlang");

    const std::map<std::string, std::string> errors{
        {"negative list count", "Negative length or count"},
        {"negative text length", "Negative length or count"},
        {"huge text length", "Unexpected end of input"},
        {"negative map count", "Negative length or count"},
        {"bool byte 7", "Unexpected bool value"},
        {"unknown message tag", "Unexpected tag value"},
        {"unknown enumeration value", "Unexpected tag value"},
        {"cut-off message", "Unexpected end of input"},
    };
    t::expect_hostile_outcomes(program, dir, errors);
    if (!::testing::Test::HasFailure()) fs::remove_all(dir);
}

}  // namespace
