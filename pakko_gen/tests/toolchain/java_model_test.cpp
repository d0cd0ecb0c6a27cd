// Builds the generated Java model of the real roots with javac and checks it
// against the application's own encoding.
#include "jvm_round_trip.hpp"
#include "pakko_gen/java/generator.hpp"

namespace {

namespace t = pakko_gen::testing;

TEST(JavaModel, CompilesAndReencodesTheSamplesAndRejectsHostileBytes) {
    if (!t::on_path("javac")) GTEST_SKIP() << "javac is not installed";
    t::check_jvm_round_trip<pakko_gen::java::Generator>(
        {"java", ".java", "RoundTrip.java",
         [](const t::fs::path& classes) {
             return std::vector<std::string>{"javac", "-J-Xmx256m", "-encoding", "UTF-8", "-d", classes.string()};
         },
         [](const t::fs::path& classes) {
             return std::vector<std::string>{"java", "-Xmx128m", "-cp", classes.string(), "RoundTrip"};
         }});
}

}  // namespace
