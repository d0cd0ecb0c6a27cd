// Builds the generated Scala model of the real roots with scalac and checks
// it against the application's own encoding.
#include "jvm_round_trip.hpp"
#include "pakko_gen/scala/generator.hpp"

namespace {

namespace t = pakko_gen::testing;

TEST(ScalaModel, CompilesAndReencodesTheSamplesAndRejectsHostileBytes) {
    if (!t::on_path("scalac")) GTEST_SKIP() << "scalac is not installed";
    t::check_jvm_round_trip<pakko_gen::scala::Generator>(
        {"scala", ".scala", "RoundTrip.scala",
         [](const t::fs::path& classes) {
             return std::vector<std::string>{"env", "JAVA_OPTS=-Xmx512m -Xms32m", "scalac", "-nowarn", "-d",
                                             classes.string()};
         },
         [](const t::fs::path& classes) {
             return std::vector<std::string>{"env", "JAVA_OPTS=-Xmx128m", "scala", "-nc", "-cp", classes.string(),
                                             "RoundTrip"};
         }});
}

}  // namespace
