#pragma once
// Round trips of the JVM languages' generated models. Their compilers and
// virtual machines are slow to start, so the model of the real roots is
// compiled once, with the language's round-trip program, and one run
// re-encodes every sample and reads the hostile inputs.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "golden.hpp"
#include "pakko_gen/fixtures.hpp"
#include "pakko_gen/generator.hpp"
#include "process.hpp"
#include "round_trip.hpp"

namespace pakko_gen::testing {

namespace fs = std::filesystem;

struct JvmToolchain {
    std::string language;                // names the work folder
    std::string source_extension;        // ".java", ".kt" or ".scala"
    std::string program;                 // file name under tests/toolchain/programs
    // The compile command before the source files, given the class folder.
    std::function<std::vector<std::string>(const fs::path&)> compile;
    // The run command before the (root, input, output) triples.
    std::function<std::vector<std::string>(const fs::path&)> run;
};

template <Generator G>
void check_jvm_round_trip(const JvmToolchain& toolchain) {
    const fs::path dir =
        fs::temp_directory_path() / ("pakko_gen_" + toolchain.language + "_model_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    const fs::path sources = dir / "src";
    const fs::path classes = dir / "classes";
    GeneratorImpl<G> impl("velmora", "0.1.0", {});
    for (const auto& root : fixtures::root_schemas()) impl.add(*root);
    std::move(impl).result().write_to(sources);
    fs::copy_file(fs::path(VELMORA_SOURCE_DIR) / "pakko_gen/tests/toolchain/programs" / toolchain.program,
                  sources / toolchain.program);
    fs::create_directories(classes);

    auto compile = toolchain.compile(classes);
    for (const auto& entry : fs::recursive_directory_iterator(sources)) {
        if (entry.path().extension() == toolchain.source_extension) compile.push_back(entry.path().string());
    }
    auto built = run_process(compile, dir / "compile.log");
    ASSERT_EQ(built.status, 0) << built.output;

    auto run = toolchain.run(classes);
    auto add = [&](const std::string& root, const std::string& name) {
        for (const auto& each : {root, (dir / (name + ".bin")).string(), (dir / (name + ".out")).string()}) {
            run.push_back(each);
        }
    };
    auto samples = fixtures::write_samples(dir);
    for (const auto& sample : samples) add(sample.root, sample.name);
    // The heap's bound (-Xmx of the run command) stops a reader that makes
    // room for a length it was sent.
    auto hostile = broken_inputs("Unexpected EOF", "Unexpected EOF");
    hostile.push_back({"unknown message tag", "ServerMessage", ints({3}), "Unexpected tag value"});
    hostile.push_back({"unknown enumeration value", "ClientMessage", ints({0, 0, 1, 0, 2}), "Unexpected tag value"});
    hostile.push_back({"cut-off state", "DebugState", debug_state_start(), "Unexpected EOF"});
    hostile.push_back({"negative map count", "ClientMessage", ints({1, -2147483647 - 1}), "Negative length or count"});
    for (std::size_t i = 0; i < hostile.size(); ++i) {
        write_bytes(dir / ("hostile" + std::to_string(i) + ".bin"), hostile[i].bytes);
        add(hostile[i].root, "hostile" + std::to_string(i));
    }
    auto ran = run_process(run, dir / "run.log");
    ASSERT_EQ(ran.status, 0) << ran.output;
    for (const auto& sample : samples) {
        EXPECT_EQ(read_file(dir / (sample.name + ".out")),
                  std::string(reinterpret_cast<const char*>(sample.bytes.data()), sample.bytes.size()))
            << sample.name << ": " << read_file(dir / (sample.name + ".out.error"));
    }
    for (std::size_t i = 0; i < hostile.size(); ++i) {
        EXPECT_EQ(read_file(dir / ("hostile" + std::to_string(i) + ".out.error")), hostile[i].error)
            << hostile[i].name << ": " << ran.output;
    }
    if (!::testing::Test::HasFailure()) fs::remove_all(dir);
}

}  // namespace pakko_gen::testing
