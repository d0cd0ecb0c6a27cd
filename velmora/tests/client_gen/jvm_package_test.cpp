// The Java, Kotlin and Scala client packages as generated for the game.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <tarnwick/client_gen/java_package.hpp>
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
    };
    const Case cases[] = {
        {"java/MyStrategy.java", 382, false},     {"java/DebugInterface.java", 988, true},
        {"java/Runner.java", 0, false},           {"java/Dockerfile-Vanilla", 87, false},
        {"java/Dockerfile-GraalVM", 569, false},  {"java/pom-Vanilla.xml", 0, false},
        {"java/pom-GraalVM.xml", 0, false},
    };
    for (const auto& c : cases) {
        const auto text = cg::client_template(c.path);
        if (c.bytes != 0) EXPECT_EQ(text.size(), c.bytes) << c.path;
        EXPECT_FALSE(text.ends_with('\n')) << c.path;
        EXPECT_EQ(text.find('\r') != std::string_view::npos, c.crlf) << c.path;
        if (c.crlf) EXPECT_EQ(text.find("\n"), text.find("\r\n") + 1) << c.path;
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
    for (const char* part : {"<groupId>com.tarnwick.velmora.devkit</groupId>", "<artifactId>velmora</artifactId>",
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
    EXPECT_EQ(read_file(graalvm.target_dir / "run.sh"), "set -ex\n\ncd /output\n./velmora-native-with-dependencies \"$@\"");
    const std::string compile = read_file(vanilla.target_dir / "compile.sh");
    EXPECT_NE(compile.find("cp -f /src/MyStrategy.java src/main/java/MyStrategy.java\n"), std::string::npos);
    EXPECT_TRUE(compile.ends_with("\nmvn package --batch-mode\ncp target/velmora-jar-with-dependencies.jar /output/"));
    EXPECT_TRUE(read_file(graalvm.target_dir / "compile.sh")
                    .ends_with("\nmvn package --batch-mode\ncp target/velmora-native-with-dependencies /output/"));
}

// The local build and run ignore the compiler: a native-image project
// assembles the same jar.
TEST_F(JvmPackageTest, LocalRunStartsTheAssembledJar) {
    EXPECT_EQ(cg::JavaClient<velmora::Game>::run_local(options("java")),
              (cg::Command{"java", {"-jar", "target/velmora-jar-with-dependencies.jar"}, dir_ / "java"}));
}

TEST_F(JvmPackageTest, TestStrategiesReplaceTheStrategyTemplates) {
    const auto files = velmora::client_gen::test_strategy_files();
    for (const auto& [language, path] : {std::pair{"Java", "src/main/java/MyStrategy.java"}}) {
        ASSERT_TRUE(files.contains(language)) << language;
        EXPECT_EQ(files.at(language).size(), 1u) << language;
        EXPECT_TRUE(files.at(language).contains(path)) << language;
    }
}

}  // namespace
