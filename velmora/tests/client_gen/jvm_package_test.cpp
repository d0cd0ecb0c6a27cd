// The Java, Kotlin and Scala client packages as generated for the game.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <tarnwick/client_gen/jvm_packages.hpp>
#include <tarnwick/client_gen/templates.hpp>

#include "client_gen/test_files.hpp"
#include "velmora/client_gen/run.hpp"
#include "velmora/game.hpp"

namespace {

namespace fs = std::filesystem;
namespace cg = tarnwick::client_gen;
using cg::maven::Compiler;
using test_files::read_file;

class JvmPackageTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("client_gen_jvm_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    cg::ClientGenOptions options(const std::string& name) const { return {"velmora", dir_ / name, "0.1.0"}; }

    fs::path dir_;
};

TEST_F(JvmPackageTest, FixedFilesEndAsShipped) {
    struct Case {
        const char* path;
        std::size_t bytes;  // 0 where the text is ours and its size only informative
        bool crlf;
        bool final_line_break;
    };
    const Case cases[] = {
        {"java/MyStrategy.java", 382, false, false},    {"java/DebugInterface.java", 988, true, false},
        {"java/Runner.java", 0, false, false},          {"java/Dockerfile-Vanilla", 87, false, false},
        {"java/Dockerfile-GraalVM", 569, false, false}, {"java/pom-Vanilla.xml", 0, false, false},
        {"java/pom-GraalVM.xml", 0, false, false},      {"kotlin/MyStrategy.kt", 343, false, true},
        {"kotlin/DebugInterface.kt", 0, true, true},    {"kotlin/Runner.kt", 0, false, true},
        {"kotlin/pom-Vanilla.xml", 0, false, false},    {"kotlin/pom-GraalVM.xml", 0, false, false},
        {"scala/MyStrategy.scala", 294, false, false},  {"scala/DebugInterface.scala", 0, true, false},
        {"scala/Runner.scala", 0, false, true},         {"scala/pom.xml", 0, false, false},
    };
    for (const auto& c : cases) {
        const auto text = cg::client_template(c.path);
        if (c.bytes != 0) {
            EXPECT_EQ(text.size(), c.bytes) << c.path;
        }
        EXPECT_EQ(text.ends_with('\n'), c.final_line_break) << c.path;
        EXPECT_FALSE(text.ends_with("\n\n") || text.ends_with("\r\n\r\n")) << c.path;
        EXPECT_EQ(text.find('\r') != std::string_view::npos, c.crlf) << c.path;
        if (c.crlf) {
            for (auto at = text.find('\n'); at != std::string_view::npos; at = text.find('\n', at + 1)) {
                ASSERT_EQ(text[at - 1], '\r') << c.path << " at " << at;
            }
        }
    }
}

TEST_F(JvmPackageTest, JavaPackageOfEachCompiler) {
    const auto vanilla = options("vanilla");
    const auto graalvm = options("graalvm");
    cg::JavaClient<velmora::Game>::gen(vanilla, {});
    cg::JavaClient<velmora::Game>::gen(graalvm, {Compiler::GraalVM, {}});
    for (const char* file : {"src/main/java/util/StreamUtil.java", "src/main/java/model/ServerMessage.java",
                             "src/main/java/model/Vec2Float.java", "src/main/java/MyStrategy.java",
                             "src/main/java/DebugInterface.java", "src/main/java/Runner.java"}) {
        EXPECT_TRUE(fs::exists(vanilla.target_dir / file)) << file;
        EXPECT_EQ(read_file(vanilla.target_dir / file), read_file(graalvm.target_dir / file)) << file;
    }
    EXPECT_EQ(read_file(vanilla.target_dir / "src/main/java/DebugInterface.java"),
              cg::client_template("java/DebugInterface.java"));

    const std::string pom = read_file(vanilla.target_dir / "pom.xml");
    for (const char* part :
         {"<groupId>com.tarnwick.velmora.devkit</groupId>", "<artifactId>velmora</artifactId>",
          "<finalName>velmora</finalName>", "<release>15</release>", "<mainClass>Runner</mainClass>"}) {
        EXPECT_NE(pom.find(part), std::string::npos) << part;
    }
    const std::string native_pom = read_file(graalvm.target_dir / "pom.xml");
    EXPECT_LT(native_pom.find("native-image-maven-plugin"), native_pom.find("maven-compiler-plugin"));
    EXPECT_NE(native_pom.find("<imageName>velmora-native-with-dependencies</imageName>"), std::string::npos);
    EXPECT_NE(native_pom.find("<release>11</release>"), std::string::npos);

    EXPECT_EQ(read_file(vanilla.target_dir / "Dockerfile"), cg::client_template("java/Dockerfile-Vanilla"));
    EXPECT_EQ(read_file(graalvm.target_dir / "Dockerfile"), cg::client_template("java/Dockerfile-GraalVM"));
    EXPECT_EQ(read_file(vanilla.target_dir / "run.sh"),
              "set -ex\n\ncd /output\njava -Xmx250m -jar ./velmora-jar-with-dependencies.jar \"$@\"");
    EXPECT_EQ(read_file(graalvm.target_dir / "run.sh"),
              "set -ex\n\ncd /output\n./velmora-native-with-dependencies \"$@\"");
    const std::string compile = read_file(vanilla.target_dir / "compile.sh");
    EXPECT_NE(compile.find("cp -f /src/MyStrategy.java src/main/java/MyStrategy.java\n"), std::string::npos);
    EXPECT_TRUE(compile.ends_with("\nmvn package --batch-mode\ncp target/velmora-jar-with-dependencies.jar /output/"));
    EXPECT_TRUE(read_file(graalvm.target_dir / "compile.sh")
                    .ends_with("\nmvn package --batch-mode\ncp target/velmora-native-with-dependencies /output/"));
}

TEST_F(JvmPackageTest, KotlinPackageSharesJavasRootScripts) {
    for (const auto compiler : {Compiler::Vanilla, Compiler::GraalVM}) {
        const auto name = std::string(cg::maven::COMPILER_NAMES[static_cast<std::size_t>(compiler)]);
        const auto java = options("java" + name);
        const auto kotlin = options("kotlin" + name);
        cg::JavaClient<velmora::Game>::gen(java, {compiler, {}});
        cg::KotlinClient<velmora::Game>::gen(kotlin, {compiler, {}});
        for (const char* file : {"Dockerfile", "run.sh"}) {
            EXPECT_EQ(read_file(java.target_dir / file), read_file(kotlin.target_dir / file)) << name << " " << file;
        }
        const std::string pom = read_file(kotlin.target_dir / "pom.xml");
        EXPECT_EQ(pom.find("native-image-maven-plugin") < pom.find("kotlin-maven-plugin"),
                  compiler == Compiler::GraalVM)
            << name;
        EXPECT_NE(pom.find("<sourceDirectory>${project.basedir}/src/main/kotlin</sourceDirectory>"), std::string::npos);
        const std::string compile = read_file(kotlin.target_dir / "compile.sh");
        EXPECT_NE(compile.find("cp -f /src/MyStrategy.kt src/main/kotlin/MyStrategy.kt\n"), std::string::npos);
        const std::string java_compile = read_file(java.target_dir / "compile.sh");
        EXPECT_EQ(compile.substr(compile.rfind("\nmvn")), java_compile.substr(java_compile.rfind("\nmvn"))) << name;
        EXPECT_TRUE(fs::exists(kotlin.target_dir / "src/main/kotlin/model/Vec2Float.kt"));
        EXPECT_EQ(read_file(kotlin.target_dir / "src/main/kotlin/DebugInterface.kt"),
                  cg::client_template("kotlin/DebugInterface.kt"));
    }
}

TEST_F(JvmPackageTest, ScalaPackageIsAPlainJvmProject) {
    const auto java = options("java");
    const auto scala = options("scala");
    cg::JavaClient<velmora::Game>::gen(java, {});
    cg::ScalaClient<velmora::Game>::gen(scala, {});
    for (const char* file : {"Dockerfile", "run.sh"}) {
        EXPECT_EQ(read_file(java.target_dir / file), read_file(scala.target_dir / file)) << file;
    }
    const std::string compile = read_file(scala.target_dir / "compile.sh");
    EXPECT_NE(compile.find("cp -f /src/MyStrategy.scala src/main/scala/MyStrategy.scala\n"), std::string::npos);
    EXPECT_TRUE(compile.ends_with("\nmvn package --batch-mode\ncp target/velmora-jar-with-dependencies.jar /output/"));
    const std::string pom = read_file(scala.target_dir / "pom.xml");
    for (const char* part : {"<groupId>com.tarnwick.velmora.devkit</groupId>", "<finalName>velmora</finalName>",
                             "<scala.version>2.13.4</scala.version>", "<mainClass>Runner</mainClass>"}) {
        EXPECT_NE(pom.find(part), std::string::npos) << part;
    }
    for (const char* file : {"util/StreamUtil.scala", "model/Vec2Float.scala", "model/ServerMessage.scala",
                             "MyStrategy.scala", "DebugInterface.scala", "Runner.scala"}) {
        EXPECT_TRUE(fs::exists(scala.target_dir / "src/main/scala" / file)) << file;
    }
    EXPECT_EQ(cg::ScalaClient<velmora::Game>::run_local(scala),
              (cg::Command{"java", {"-jar", "target/velmora-jar-with-dependencies.jar"}, scala.target_dir}));
}

// The local build and run ignore the compiler: a native-image project
// assembles the same jar.
TEST_F(JvmPackageTest, LocalRunStartsTheAssembledJar) {
    const cg::Command expected{"java", {"-jar", "target/velmora-jar-with-dependencies.jar"}, dir_ / "package"};
    EXPECT_EQ(cg::JavaClient<velmora::Game>::run_local(options("package")), expected);
    EXPECT_EQ(cg::KotlinClient<velmora::Game>::run_local(options("package")), expected);
}

TEST_F(JvmPackageTest, TestStrategiesReplaceTheStrategyTemplates) {
    const auto files = velmora::client_gen::test_strategy_files();
    for (const auto& [language, path] :
         {std::pair{"Java", "src/main/java/MyStrategy.java"}, std::pair{"Kotlin", "src/main/kotlin/MyStrategy.kt"},
          std::pair{"Scala", "src/main/scala/MyStrategy.scala"}}) {
        ASSERT_TRUE(files.contains(language)) << language;
        EXPECT_EQ(files.at(language).size(), 1u) << language;
        EXPECT_TRUE(files.at(language).contains(path)) << language;
    }
}

}  // namespace
