#pragma once
// The round trip every generated model takes: a program built from it reads
// each sample message of the application and writes it back
// (`program ROOT INPUT OUTPUT`), and hostile bytes end it with an error.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

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

inline ProcessResult round_trip(const std::filesystem::path& program, const std::string& root,
                                const std::filesystem::path& input, const std::filesystem::path& output,
                                const std::filesystem::path& log) {
    return run_process({program.string(), root, input.string(), output.string()}, log);
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

// Messages no encoder of the application writes.
struct HostileBytes {
    const char* name;
    const char* root;
    std::vector<std::byte> bytes;
};

inline std::vector<HostileBytes> hostile_bytes() {
    // A debug state starts with its window size and two float positions.
    auto state_with = [](std::initializer_list<std::int32_t> rest) {
        auto bytes = ints({1280, 720, 0, 0, 0, 0});
        auto tail = ints(rest);
        bytes.insert(bytes.end(), tail.begin(), tail.end());
        return bytes;
    };
    return {
        {"negative list count", "DebugState", state_with({-1})},
        {"negative text length", "DebugState", state_with({1, -5})},
        {"negative map count", "ClientMessage", ints({1, -2147483647 - 1})},
        {"unknown message tag", "ServerMessage", ints({3})},
        {"unknown enumeration value", "ClientMessage", ints({0, 0, 1, 0, 2})},
        {"cut-off message", "ServerMessage", ints({0})},
    };
}

// Runs the program on each hostile message: it ends with status 1 and the
// error that `errors` names for the case, or, where that is empty, reads the
// message without complaint.
inline void expect_hostile_outcomes(const std::filesystem::path& program, const std::filesystem::path& dir,
                                    const std::map<std::string, std::string>& errors) {
    for (const auto& c : hostile_bytes()) {
        write_bytes(dir / "hostile.bin", c.bytes);
        auto run = round_trip(program, c.root, dir / "hostile.bin", dir / "hostile.out", dir / "run.log");
        const std::string& error = errors.at(c.name);
        EXPECT_EQ(run.status, error.empty() ? 0 : 1) << c.name << ": " << run.output;
        EXPECT_EQ(run.output, error.empty() ? "" : error + "\n") << c.name;
    }
}

}  // namespace pakko_gen::testing
