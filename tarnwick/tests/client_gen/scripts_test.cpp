// The build and start scripts of every language's package, from the one
// shared text, against their stated sizes.
#include <gtest/gtest.h>

#include <span>
#include <string>
#include <string_view>

#include "tarnwick/client_gen/scripts.hpp"

namespace {

using namespace tarnwick::client_gen;

struct CompileCase {
    std::string package;
    std::string strategy_file;
    std::string strategy_path;
    std::span<const std::string_view> build_lines;
    std::size_t bytes;
};

TEST(Scripts, CompileScriptsHaveTheirStatedSizes) {
    namespace lines = build_lines;
    const CompileCase cases[] = {
        {"Cpp", "MyStrategy.cpp", "MyStrategy.cpp", lines::CPP, 341},
        {"CSharp", "MyStrategy.cs", "MyStrategy.cs", lines::DOTNET, 232},
        {"FSharp", "MyStrategy.fs", "MyStrategy.fs", lines::DOTNET, 232},
        {"Dlang", "my_strategy.d", "source/my_strategy.d", lines::DLANG, 247},
        {"Go", "my_strategy.go", "my_strategy.go", lines::GO, 246},
        {"Java Vanilla", "MyStrategy.java", "src/main/java/MyStrategy.java", lines::MAVEN_JAR, 295},
        {"Java GraalVM", "MyStrategy.java", "src/main/java/MyStrategy.java", lines::MAVEN_NATIVE, 294},
        {"Kotlin Vanilla", "MyStrategy.kt", "src/main/kotlin/MyStrategy.kt", lines::MAVEN_JAR, 293},
        {"Kotlin GraalVM", "MyStrategy.kt", "src/main/kotlin/MyStrategy.kt", lines::MAVEN_NATIVE, 292},
        {"Scala", "MyStrategy.scala", "src/main/scala/MyStrategy.scala", lines::MAVEN_JAR, 298},
        {"Rust", "my_strategy.rs", "src/my_strategy.rs", lines::RUST, 272},
        {"JavaScript", "my-strategy.js", "my-strategy.js", lines::JAVASCRIPT, 213},
        {"Ruby", "my_strategy.rb", "my_strategy.rb", lines::RUBY, 230},
        {"Python CPython", "my_strategy.py", "my_strategy.py", lines::CPYTHON, 288},
        {"Python PyPy", "my_strategy.py", "my_strategy.py", lines::PYPY, 241},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.package);
        EXPECT_EQ(compile_script(c.strategy_file, c.strategy_path, c.build_lines).size(), c.bytes);
    }
}

TEST(Scripts, StartScriptsHaveTheirStatedSizes) {
    const std::pair<std::string_view, std::size_t> cases[] = {
        {"./project_name", 39},  // C++, D, Go, Rust
        {"dotnet ./project_name.dll", 50},  // C#, F#
        {"java -Xmx250m -jar ./project_name-jar-with-dependencies.jar", 84},  // Java, Kotlin, Scala
        {"./project_name-native-with-dependencies", 64},  // Java and Kotlin on GraalVM
        {"node ./index.js", 40},
        {"jruby ./main.rb", 40},
        {"python ./main.py", 41},
        {"pypy3 ./main.py", 40},
    };
    for (const auto& [start, bytes] : cases) {
        SCOPED_TRACE(start);
        EXPECT_EQ(run_script(start).size(), bytes);
    }
}

TEST(Scripts, TextOfTheCompileAndStartScripts) {
    const std::string_view lines[] = {"make", "cp app /output/"};
    EXPECT_EQ(compile_script("s.c", "src/s.c", lines),
              "set -ex\n"
              "\n"
              "if [ \"$1\" != \"base\" ]; then\n"
              "    if [[ `ls -1 /src/ | wc -l` -eq 1 ]]; then\n"
              "        cp -f /src/s.c src/s.c\n"
              "    else\n"
              "        rm -rf ./*\n"
              "        cp -rf /src/* ./\n"
              "    fi\n"
              "fi\n"
              "\n"
              "make\n"
              "cp app /output/");
    EXPECT_EQ(run_script("./app"), "set -ex\n\ncd /output\n./app \"$@\"");
}

}  // namespace
