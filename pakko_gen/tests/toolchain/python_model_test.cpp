// The generated Python model run by python3 against the application's own
// encoding.
#include "pakko_gen/python/generator.hpp"
#include "round_trip.hpp"

namespace {

namespace t = pakko_gen::testing;

class PythonModel : public t::ScratchDir {};

TEST_F(PythonModel, ReencodesTheSamplesAndRejectsHostileBytes) {
    if (!t::on_path("python3")) GTEST_SKIP() << "python3 is not installed";
    auto package = generate_model<pakko_gen::python::Generator>();
    t::RoundTrip round_trip(dir_, {"python3", program("python_round_trip.py"), package.string()});
    round_trip.expect_samples_come_back();
    round_trip.expect_failures(t::broken_inputs("Unexpected EOF", "Unexpected EOF"));
    round_trip.expect_failures({
        {"negative text length", "DebugState", t::joined(t::debug_state_start(), t::ints({1, -5, 0})),
         "Negative length or count"},
        {"cut text", "DebugState", t::joined(t::debug_state_start(), t::ints({1, 5})), "Unexpected EOF"},
        {"unknown message tag", "ServerMessage", t::ints({3}), "Unexpected tag value"},
        {"unknown enumeration value", "ClientMessage", t::ints({0, 0, 1, 0, 2}), "is not a valid PrimitiveType"},
    });
}

}  // namespace
