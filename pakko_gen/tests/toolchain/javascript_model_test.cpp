// The generated JavaScript model run by node against the application's own
// encoding, and its stream helper against a peer that hangs up.
#include "pakko_gen/javascript/generator.hpp"
#include "round_trip.hpp"

namespace {

namespace t = pakko_gen::testing;

class JavaScriptModel : public t::ScratchDir {};

TEST_F(JavaScriptModel, ReencodesTheSamplesAndRejectsHostileBytes) {
    if (!t::on_path("node")) GTEST_SKIP() << "node is not installed";
    auto package = generate_model<pakko_gen::javascript::Generator>();
    t::RoundTrip round_trip(dir_, {"node", program("javascript_round_trip.js"), package.string()});
    round_trip.expect_samples_come_back();
    round_trip.expect_failures(t::broken_inputs("Error while reading data", "Error while reading data"));
    round_trip.expect_failures({
        {"negative text length", "DebugState", t::joined(t::debug_state_start(), t::ints({1, -5, 0})),
         "Negative length or count"},
        {"cut text", "DebugState", t::joined(t::debug_state_start(), t::ints({1, 5})), "Error while reading data"},
        {"unknown message tag", "ServerMessage", t::ints({3}), "Unexpected tag value"},
    });
    auto check = t::run_process({"node", program("javascript_stream_check.js"), package.string()}, dir_ / "check.log");
    EXPECT_EQ(check.status, 0) << check.output;
}

}  // namespace
