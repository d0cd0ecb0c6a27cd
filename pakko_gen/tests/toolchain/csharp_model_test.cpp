// The generated C# model compiled by mcs and run by mono against the
// application's own encoding.
#include <filesystem>

#include "pakko_gen/csharp/generator.hpp"
#include "round_trip.hpp"

namespace {

namespace fs = std::filesystem;
namespace t = pakko_gen::testing;

class CSharpModel : public t::ScratchDir {};

TEST_F(CSharpModel, CompilesReencodesTheSamplesAndRejectsHostileBytes) {
    if (!t::on_path("mcs") || !t::on_path("mono")) GTEST_SKIP() << "mcs or mono is not installed";
    auto package = generate_model<pakko_gen::csharp::Generator>();
    auto executable = (dir_ / "round_trip.exe").string();
    std::vector<std::string> compile{"mcs", "-warnaserror", "-out:" + executable, program("csharp_round_trip.cs")};
    for (const auto& entry : fs::directory_iterator(package / "Model")) compile.push_back(entry.path().string());
    auto built = t::run_process(compile, dir_ / "compile.log");
    ASSERT_EQ(built.status, 0) << built.output;
    t::RoundTrip round_trip(dir_, {"mono", executable});
    round_trip.expect_samples_come_back();
    round_trip.expect_failures(t::broken_inputs("Unexpected EOF", "Unable to read beyond the end of the stream"));
    round_trip.expect_failures({
        {"unknown message tag", "ServerMessage", t::ints({3}), "Unexpected tag value"},
        {"unknown enumeration value", "ClientMessage", t::ints({0, 0, 1, 0, 2}), "Unexpected tag value"},
    });
}

}  // namespace
