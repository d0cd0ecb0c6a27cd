// Builds the generated Kotlin model of the real roots with kotlinc and checks
// it against the application's own encoding.
#include "jvm_round_trip.hpp"
#include "pakko_gen/kotlin/generator.hpp"

namespace {

namespace t = pakko_gen::testing;

TEST(KotlinModel, CompilesAndReencodesTheSamplesAndRejectsHostileBytes) {
    if (!t::on_path("kotlinc")) GTEST_SKIP() << "kotlinc is not installed";
    t::check_jvm_round_trip<pakko_gen::kotlin::Generator>(
        {"kotlin", ".kt", "RoundTrip.kt",
         [](const t::fs::path& classes) {
             return std::vector<std::string>{"env", "JAVA_OPTS=-Xmx512m -Xms32m", "kotlinc", "-nowarn", "-d",
                                             classes.string()};
         },
         [](const t::fs::path& classes) {
             return std::vector<std::string>{"env", "JAVA_OPTS=-Xmx128m", "kotlin", "-cp", classes.string(),
                                             "RoundTripKt"};
         }});
}

}  // namespace
