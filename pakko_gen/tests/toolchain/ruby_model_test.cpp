// The generated Ruby model run by ruby against the application's own encoding.
#include "pakko_gen/ruby/generator.hpp"
#include "round_trip.hpp"

namespace {

namespace t = pakko_gen::testing;

class RubyModel : public t::ScratchDir {};

TEST_F(RubyModel, ReencodesTheSamplesAndRejectsHostileBytes) {
    if (!t::on_path("ruby")) GTEST_SKIP() << "ruby is not installed";
    auto package = generate_model<pakko_gen::ruby::Generator>();
    t::RoundTrip round_trip(dir_, {"ruby", program("ruby_round_trip.rb"), package.string()});
    round_trip.expect_samples_come_back();
    // The program's stream reports the end of its bytes itself.
    round_trip.expect_failures(t::broken_inputs("Unexpected end of input", "Unexpected end of input"));
    round_trip.expect_failures({
        {"negative text length", "DebugState", t::joined(t::debug_state_start(), t::ints({1, -5, 0})),
         "Negative length or count"},
        {"unknown message tag", "ServerMessage", t::ints({3}), "Unexpected tag value"},
        // A primitive type outside the enumeration, both ways.
        {"enumeration value below", "ClientMessage", t::ints({0, 0, 1, 0, -1}), "Unexpected tag value"},
        {"enumeration value above", "ClientMessage", t::ints({0, 0, 1, 0, 2}), "Unexpected tag value"},
    });
}

}  // namespace
