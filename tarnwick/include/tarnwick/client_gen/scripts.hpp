#pragma once
// The build and start scripts that every client package carries, built from
// one shared text.
#include <array>
#include <span>
#include <string>
#include <string_view>

namespace tarnwick::client_gen {

// The compile script: takes over a solution from /src unless its argument
// is "base", then the language's build lines, the last of which copies the
// runnable result to /output. No line break after the last line.
std::string compile_script(std::string_view strategy_file, std::string_view strategy_path,
                           std::span<const std::string_view> build_lines);

// The start script: runs `start_command` in /output with all its arguments.
std::string run_script(std::string_view start_command);

// Each package's build lines in the contest's image.
namespace build_lines {

inline constexpr std::string_view COPY_ALL = "cp -r * /output/";
inline constexpr std::string_view MAVEN = "mvn package --batch-mode";

inline constexpr std::array<std::string_view, 3> CPP{
    "cmake -DCMAKE_CXX_STANDARD=20 -DCMAKE_BUILD_TYPE=RELEASE -DCMAKE_VERBOSE_MAKEFILE=ON .",
    "cmake --build . --config Release", "cp project_name /output/"};
inline constexpr std::array<std::string_view, 1> DOTNET{"dotnet publish -c Release -o /output/"};
inline constexpr std::array<std::string_view, 2> DLANG{"dub build -b release", "cp project_name /output/"};
inline constexpr std::array<std::string_view, 2> GO{"go build -o project_name", "cp project_name /output/"};
inline constexpr std::array<std::string_view, 2> MAVEN_JAR{
    MAVEN, "cp target/project_name-jar-with-dependencies.jar /output/"};
inline constexpr std::array<std::string_view, 2> MAVEN_NATIVE{
    MAVEN, "cp target/project_name-native-with-dependencies /output/"};
inline constexpr std::array<std::string_view, 2> RUST{"cargo build --release --offline",
                                                      "cp target/release/project_name /output/"};
inline constexpr std::array<std::string_view, 1> JAVASCRIPT{COPY_ALL};
inline constexpr std::array<std::string_view, 2> RUBY{"jruby -c main.rb", COPY_ALL};
inline constexpr std::array<std::string_view, 3> CPYTHON{"find . -name '*.pyx' -exec cythonize -i {} \\;",
                                                         "python -m py_compile main.py", COPY_ALL};
inline constexpr std::array<std::string_view, 2> PYPY{"pypy3 -m py_compile main.py", COPY_ALL};

}  // namespace build_lines

}  // namespace tarnwick::client_gen
