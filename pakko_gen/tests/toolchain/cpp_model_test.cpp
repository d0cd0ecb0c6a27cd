// Builds the generated C++ model of the real roots with the C++ compiler and
// checks it against the application's own encoding.
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <future>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "golden.hpp"
#include "pakko_gen/cpp/generator.hpp"
#include "pakko_gen/fixtures.hpp"
#include "process.hpp"

namespace {

namespace fs = std::filesystem;
namespace t = pakko_gen::testing;
using pakko_gen::fixtures::Sample;

// Little-endian 32-bit integers, as the encoding writes them.
std::vector<std::byte> ints(std::initializer_list<std::int32_t> values) {
    std::vector<std::byte> bytes;
    for (auto value : values) {
        for (int i = 0; i < 4; ++i) {
            bytes.push_back(static_cast<std::byte>((static_cast<std::uint32_t>(value) >> (8 * i)) & 0xffu));
        }
    }
    return bytes;
}

void write_bytes(const fs::path& path, const std::vector<std::byte>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

class CppModel : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("pakko_gen_cpp_model_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        pakko_gen::GeneratorImpl<pakko_gen::cpp::Generator> impl("velmora", "0.1.0", {});
        for (const auto& root : pakko_gen::fixtures::root_schemas()) impl.add(*root);
        std::move(impl).result().write_to(dir_ / "model_package");
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

    t::ProcessResult round_trip(const fs::path& program, const std::string& root, const fs::path& input,
                                const fs::path& output) {
        return t::run_process({program.string(), root, input.string(), output.string()}, dir_ / "run.log");
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
    auto samples = pakko_gen::fixtures::write_samples(dir_);
    for (const auto& [standard, program] : builds) {
        for (const auto& sample : samples) {
            auto output = dir_ / (sample.name + "." + standard + ".out");
            auto run = round_trip(program, sample.root, dir_ / (sample.name + ".bin"), output);
            ASSERT_EQ(run.status, 0) << standard << " " << sample.name << ": " << run.output;
            auto written = t::read_file(output);
            EXPECT_EQ(written, std::string(reinterpret_cast<const char*>(sample.bytes.data()), sample.bytes.size()))
                << standard << " " << sample.name;
        }
    }

    // Hostile bytes end the C++20 program with the generated reader's error.
    // A debug state starts with its window size and two float positions.
    const auto state_start = ints({1280, 720, 0, 0, 0, 0});
    auto joined = [](std::vector<std::byte> a, const std::vector<std::byte>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    struct Case {
        const char* name;
        const char* root;
        std::vector<std::byte> bytes;
        const char* error;
    };
    const Case cases[] = {
        {"negative list count", "DebugState", joined(state_start, ints({-1})), "Negative length or count"},
        {"negative text length", "DebugState", joined(state_start, ints({1, -5})), "Negative length or count"},
        {"negative map count", "ClientMessage", ints({1, -2147483647 - 1}), "Negative length or count"},
        {"unknown message tag", "ServerMessage", ints({3}), "Unexpected tag value"},
        {"unknown enumeration value", "ClientMessage", ints({0, 0, 1, 0, 2}), "Unexpected tag value"},
    };
    for (const auto& c : cases) {
        write_bytes(dir_ / "hostile.bin", c.bytes);
        auto run = round_trip(dir_ / "round_trip20", c.root, dir_ / "hostile.bin", dir_ / "hostile.out");
        EXPECT_EQ(run.status, 1) << c.name << ": " << run.output;
        EXPECT_EQ(run.output, std::string(c.error) + "\n") << c.name;
    }
}

}  // namespace
