#pragma once
// The round trip every generated model takes: a program built from it reads
// each sample message of the application and writes it back
// (`program ROOT INPUT OUTPUT`), and hostile bytes end it with an error.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "golden.hpp"
#include "pakko_gen/fixtures.hpp"
#include "pakko_gen/generator.hpp"
#include "process.hpp"

namespace pakko_gen::testing {

// Writes generator G's model of the real roots below `dir`, as a client
// package of the project "velmora" holds it.
template <Generator G>
void write_model(const std::filesystem::path& dir) {
    GeneratorImpl<G> impl("velmora", "0.1.0", {});
    for (const auto& root : fixtures::root_schemas()) impl.add(*root);
    std::move(impl).result().write_to(dir);
}

// Little-endian 32-bit integers, as the encoding writes them.
inline std::vector<std::byte> ints(std::initializer_list<std::int32_t> values) {
    std::vector<std::byte> bytes;
    for (auto value : values) {
        for (int i = 0; i < 4; ++i) {
            bytes.push_back(static_cast<std::byte>((static_cast<std::uint32_t>(value) >> (8 * i)) & 0xffu));
        }
    }
    return bytes;
}

inline void write_bytes(const std::filesystem::path& path, const std::vector<std::byte>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// With `limited`, the program runs within a bounded address space.
inline ProcessResult round_trip(const std::filesystem::path& program, const std::string& root,
                                const std::filesystem::path& input, const std::filesystem::path& output,
                                const std::filesystem::path& log, bool limited = false) {
    std::vector<std::string> command{program.string(), root, input.string(), output.string()};
    return run_process(limited ? with_memory_limit(command) : command, log);
}

// Every sample comes back byte for byte; `label` tells programs apart in failures.
inline void expect_samples_round_trip(const std::filesystem::path& program, const std::filesystem::path& dir,
                                      const std::string& label) {
    for (const auto& sample : fixtures::write_samples(dir)) {
        auto output = dir / (sample.name + "." + label + ".out");
        auto run = round_trip(program, sample.root, dir / (sample.name + ".bin"), output, dir / "run.log");
        ASSERT_EQ(run.status, 0) << label << " " << sample.name << ": " << run.output;
        EXPECT_EQ(read_file(output), std::string(reinterpret_cast<const char*>(sample.bytes.data()), sample.bytes.size()))
            << label << " " << sample.name;
    }
}

// A debug state starts with its window size and two float positions.
inline std::vector<std::byte> debug_state_start() { return ints({1280, 720, 0, 0, 0, 0}); }

inline std::vector<std::byte> joined(std::vector<std::byte> a, const std::vector<std::byte>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The broken inputs every generated reader must refuse with a message of its
// own, rather than with whatever the language's runtime happens to do.

// One pressed key whose text claims the largest length and brings four bytes:
// a reader that makes room for the length first runs out of memory.
inline std::vector<std::byte> huge_text_state() {
    return joined(debug_state_start(), ints({1, 0x7fffffff, 0x64636261}));
}

// A debug state whose camera's perspective flag is `flag` (no pressed keys,
// a camera of five floats, the flag, then the player index).
inline std::vector<std::byte> state_with_perspective(std::uint8_t flag) {
    auto bytes = joined(debug_state_start(), ints({0, 0, 0, 0, 0, 0}));
    bytes.push_back(static_cast<std::byte>(flag));
    return joined(std::move(bytes), ints({0}));
}

// Messages no encoder of the application writes.
struct HostileBytes {
    const char* name;
    const char* root;
    std::vector<std::byte> bytes;
};

inline std::vector<HostileBytes> hostile_bytes() {
    auto state_with = [](std::initializer_list<std::int32_t> rest) { return joined(debug_state_start(), ints(rest)); };
    return {
        {"negative list count", "DebugState", state_with({-5})},
        {"negative text length", "DebugState", state_with({1, -5})},
        {"huge text length", "DebugState", huge_text_state()},
        {"negative map count", "ClientMessage", ints({1, -2147483647 - 1})},
        {"unknown message tag", "ServerMessage", ints({3})},
        {"unknown enumeration value", "ClientMessage", ints({0, 0, 1, 0, 2})},
        {"bool byte 7", "DebugState", state_with_perspective(7)},
        {"cut-off message", "ServerMessage", ints({0})},
    };
}

// Runs the program on each hostile message, within a bounded address space:
// it ends with status 1 and the error that `errors` names for the case, or,
// where that is empty, reads the message without complaint.
inline void expect_hostile_outcomes(const std::filesystem::path& program, const std::filesystem::path& dir,
                                    const std::map<std::string, std::string>& errors) {
    for (const auto& c : hostile_bytes()) {
        write_bytes(dir / "hostile.bin", c.bytes);
        auto run = round_trip(program, c.root, dir / "hostile.bin", dir / "hostile.out", dir / "run.log", true);
        const std::string& error = errors.at(c.name);
        EXPECT_EQ(run.status, error.empty() ? 0 : 1) << c.name << ": " << run.output;
        EXPECT_EQ(run.output, error.empty() ? "" : error + "\n") << c.name;
    }
}

// Models run by an interpreter: many samples per start, since some
// interpreters take a while to start, and exact programs of their own.

struct HostileCase {
    const char* name;
    const char* root;
    std::vector<std::byte> bytes;
    std::string error;  // a part of what the program reports
};

// The broken inputs as cases of an interpreted model's table; its reader
// reports a text cut short as `text_ends` and a number cut short as
// `number_ends`.
inline std::vector<HostileCase> broken_inputs(const std::string& text_ends, const std::string& number_ends) {
    return {
        {"negative list count", "DebugState", joined(debug_state_start(), ints({-5})), "Negative length or count"},
        {"huge text length", "DebugState", huge_text_state(), text_ends},
        {"bool byte 7", "DebugState", state_with_perspective(7), "Unexpected bool value"},
        {"cut-off message", "ServerMessage", ints({0}), number_ends},
    };
}

// A model generated into `dir`/model_package, run as `program` (its own
// arguments first) + ROOT INPUT OUTPUT, repeated for several messages.
class RoundTrip {
public:
    RoundTrip(std::filesystem::path dir, std::vector<std::string> program)
        : dir_(std::move(dir)), program_(std::move(program)) {}

    // One message, within a bounded address space.
    ProcessResult run(const std::string& root, const std::filesystem::path& input,
                      const std::filesystem::path& output) const {
        auto command = program_;
        command.insert(command.end(), {root, input.string(), output.string()});
        return run_process(with_memory_limit(command), dir_ / "run.log");
    }

    // All samples in one run, since some interpreters take a while to start.
    void expect_samples_come_back() const {
        auto samples = fixtures::write_samples(dir_);
        auto command = program_;
        for (const auto& sample : samples) {
            command.insert(command.end(), {sample.root, (dir_ / (sample.name + ".bin")).string(),
                                           (dir_ / (sample.name + ".out")).string()});
        }
        auto result = run_process(command, dir_ / "run.log");
        ASSERT_EQ(result.status, 0) << result.output;
        for (const auto& sample : samples) {
            EXPECT_EQ(read_file(dir_ / (sample.name + ".out")),
                      std::string(reinterpret_cast<const char*>(sample.bytes.data()), sample.bytes.size()))
                << sample.name;
        }
    }

    void expect_failures(const std::vector<HostileCase>& cases) const {
        for (const auto& c : cases) {
            auto input = dir_ / "hostile.bin";
            write_bytes(input, c.bytes);
            auto result = run(c.root, input, dir_ / "hostile.out");
            EXPECT_EQ(result.status, 1) << c.name << ": " << result.output;
            EXPECT_NE(result.output.find(c.error), std::string::npos) << c.name << ": " << result.output;
        }
    }

private:
    std::filesystem::path dir_;
    std::vector<std::string> program_;
};

// A fresh folder below the temporary one, removed unless the test failed.
class ScratchDir : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               (std::string("pakko_gen_") + ::testing::UnitTest::GetInstance()->current_test_info()->name() + "_" +
                std::to_string(::getpid()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override {
        if (!HasFailure()) std::filesystem::remove_all(dir_);
    }

    // Generator G's model of the real roots, written to dir_/model_package.
    template <Generator G>
    std::filesystem::path generate_model() {
        auto package = dir_ / "model_package";
        write_model<G>(package);
        return package;
    }

    static std::string program(const char* file) {
        return (std::filesystem::path(VELMORA_SOURCE_DIR) / "pakko_gen/tests/toolchain/programs" / file).string();
    }

    std::filesystem::path dir_;
};

}  // namespace pakko_gen::testing
