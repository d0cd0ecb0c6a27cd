// The Java, Kotlin and Scala client packages played against the test game.
// Their Maven builds need plugins from a registry this machine cannot reach,
// so a stand-in "mvn" compiles each package with the installed compiler into
// the jar that the run step starts.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "client_run.hpp"

namespace {

namespace fs = std::filesystem;

void expect_played_to_success(const std::string& language, const std::string& compiler) {
    const fs::path stand_in = fs::path(VELMORA_SOURCE_DIR) / "velmora/tests/client_gen/toolchain/maven_stand_in";
    const char* path = std::getenv("PATH");
    if (!client_run::run_program({"sh", "-c", "command -v " + compiler}, "/dev/null")) {
        GTEST_SKIP() << compiler << " is not installed";
    }
    const fs::path dir = client_run::work_dir(language);
    const std::string options = language == "Scala" ? "()" : "GenOptions {\n    compiler: Vanilla,\n    pakko: (),\n}";
    client_run::expect_success(dir, language, options, {"env", "PATH=" + stand_in.string() + ":" + (path ? path : "")});
    if (!::testing::Test::HasFailure()) fs::remove_all(dir);
}

TEST(JvmClients, JavaPackagePlaysTheTestGameToSuccess) { expect_played_to_success("Java", "javac"); }

TEST(JvmClients, KotlinPackagePlaysTheTestGameToSuccess) { expect_played_to_success("Kotlin", "kotlinc"); }

TEST(JvmClients, ScalaPackagePlaysTheTestGameToSuccess) { expect_played_to_success("Scala", "scalac"); }

}  // namespace
