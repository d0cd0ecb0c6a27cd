// Builds the generated C++ model of the real roots with the C++ compiler and
// checks it against the application's own encoding.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <future>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "golden.hpp"
#include "pakko_gen/cpp/generator.hpp"
#include "pakko_gen/fixtures.hpp"
#include "process.hpp"
#include "round_trip.hpp"

namespace {

namespace fs = std::filesystem;
namespace t = pakko_gen::testing;

class CppModel : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("pakko_gen_cpp_model_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        t::write_model<pakko_gen::cpp::Generator>(dir_ / "model_package");
    }
    void TearDown() override {
        if (!HasFailure()) fs::remove_all(dir_);
    }

    // Compiles the model with the round-trip program into `program`. The
    // model's sources go into one translation unit, which keeps the check
    // within seconds; the stream helpers and the program stay apart.
    std::future<t::ProcessResult> build(const std::string& standard, const fs::path& program) {
        auto package = dir_ / "model_package";
        auto unity = dir_ / "model_sources.cpp";
        if (!fs::exists(unity)) {
            std::ofstream out(unity);
            for (const auto& entry : fs::directory_iterator(package / "model")) {
                if (entry.path().extension() == ".cpp") out << "#include \"" << entry.path().string() << "\"\n";
            }
        }
        std::vector<std::string> command{
            VELMORA_CXX, "-std=" + standard, "-Wall", "-Werror", "-O1", "-I", package.string(),
            fs::path(VELMORA_SOURCE_DIR) / "pakko_gen/tests/toolchain/programs/cpp_round_trip.cpp",
            (package / "Stream.cpp").string(), unity.string(), "-o", program.string()};
        auto log = dir_ / (standard + ".log");
        return std::async(std::launch::async, [command, log] { return t::run_process(command, log); });
    }

    fs::path dir_;
};

// One test, so that the model is built once per standard.
TEST_F(CppModel, BuildsUnderCpp17AndCpp20ReencodesTheSamplesAndRejectsHostileBytes) {
    auto builds = {std::pair{std::string("c++17"), dir_ / "round_trip17"},
                   std::pair{std::string("c++20"), dir_ / "round_trip20"}};
    std::vector<std::future<t::ProcessResult>> pending;
    for (const auto& [standard, program] : builds) pending.push_back(build(standard, program));
    for (auto& each : pending) {
        auto built = each.get();
        ASSERT_EQ(built.status, 0) << built.output;
    }
    for (const auto& [standard, program] : builds) t::expect_samples_round_trip(program, dir_, standard);

    // Hostile bytes end the C++20 program with the generated reader's error.
    const std::map<std::string, std::string> errors{
        {"negative list count", "Negative length or count"},
        {"negative text length", "Negative length or count"},
        {"huge text length", "Unexpected end of input"},
        {"negative map count", "Negative length or count"},
        {"unknown message tag", "Unexpected tag value"},
        {"unknown enumeration value", "Unexpected tag value"},
        {"bool byte 7", "Unexpected bool value"},
        {"cut-off message", "Unexpected end of input"},
    };
    t::expect_hostile_outcomes(dir_ / "round_trip20", dir_, errors);
}

}  // namespace
