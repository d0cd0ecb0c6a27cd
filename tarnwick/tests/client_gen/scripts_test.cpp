// The build and start scripts of every language's package, from the one
// shared text, against their stated sizes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tarnwick/client_gen/scripts.hpp"

namespace {

using namespace tarnwick::client_gen;

struct CompileCase {
    std::string package;
    std::string strategy_file;
    std::string strategy_path;
    std::vector<std::string_view> build_lines;
    std::size_t bytes;
};

TEST(Scripts, CompileScriptsHaveTheirStatedSizes) {
    const std::string_view java_jar = "cp target/project_name-jar-with-dependencies.jar /output/";
    const std::string_view java_native = "cp target/project_name-native-with-dependencies /output/";
    const std::string_view mvn = "mvn package --batch-mode";
    const std::string_view copy_all = "cp -r * /output/";
    const CompileCase cases[] = {
        {"Cpp",
         "MyStrategy.cpp",
         "MyStrategy.cpp",
         {"cmake -DCMAKE_CXX_STANDARD=20 -DCMAKE_BUILD_TYPE=RELEASE -DCMAKE_VERBOSE_MAKEFILE=ON .",
          "cmake --build . --config Release", "cp project_name /output/"},
         341},
        {"CSharp", "MyStrategy.cs", "MyStrategy.cs", {"dotnet publish -c Release -o /output/"}, 232},
        {"FSharp", "MyStrategy.fs", "MyStrategy.fs", {"dotnet publish -c Release -o /output/"}, 232},
        {"Dlang", "my_strategy.d", "source/my_strategy.d", {"dub build -b release", "cp project_name /output/"}, 247},
        {"Go", "my_strategy.go", "my_strategy.go", {"go build -o project_name", "cp project_name /output/"}, 246},
        {"Java Vanilla", "MyStrategy.java", "src/main/java/MyStrategy.java", {mvn, java_jar}, 295},
        {"Java GraalVM", "MyStrategy.java", "src/main/java/MyStrategy.java", {mvn, java_native}, 294},
        {"Kotlin Vanilla", "MyStrategy.kt", "src/main/kotlin/MyStrategy.kt", {mvn, java_jar}, 293},
        {"Kotlin GraalVM", "MyStrategy.kt", "src/main/kotlin/MyStrategy.kt", {mvn, java_native}, 292},
        {"Scala", "MyStrategy.scala", "src/main/scala/MyStrategy.scala", {mvn, java_jar}, 298},
        {"Rust",
         "my_strategy.rs",
         "src/my_strategy.rs",
         {"cargo build --release --offline", "cp target/release/project_name /output/"},
         272},
        {"JavaScript", "my-strategy.js", "my-strategy.js", {copy_all}, 213},
        {"Ruby", "my_strategy.rb", "my_strategy.rb", {"jruby -c main.rb", copy_all}, 230},
        {"Python CPython",
         "my_strategy.py",
         "my_strategy.py",
         {"find . -name '*.pyx' -exec cythonize -i {} \\;", "python -m py_compile main.py", copy_all},
         288},
        {"Python PyPy", "my_strategy.py", "my_strategy.py", {"pypy3 -m py_compile main.py", copy_all}, 241},
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
