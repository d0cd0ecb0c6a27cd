#pragma once
// What the Java, Kotlin and Scala packages share: a Maven project built into
// one jar with its dependencies, on a plain JVM or as a native image.
#include <array>
#include <span>
#include <string_view>
#include <vector>

#include <pakko/schema.hpp>
#include <pakko_gen/generator.hpp>

#include "tarnwick/client_gen/compiler_options.hpp"
#include "tarnwick/client_gen/package.hpp"
#include "tarnwick/client_gen/process.hpp"

namespace tarnwick::client_gen::maven {

enum class Compiler { Vanilla, GraalVM };

inline constexpr std::array<std::string_view, 2> COMPILER_NAMES{"Vanilla", "GraalVM"};
inline std::span<const std::string_view> variant_names(Compiler) { return COMPILER_NAMES; }

using GenOptions = CompilerGenOptions<Compiler>;

// The package root's "Dockerfile", "compile.sh" and "run.sh" for the chosen
// tool chain, which takes over the strategy file from /src into
// `strategy_path`.
std::vector<FixedFile> scripts(Compiler compiler, std::string_view strategy_file, std::string_view strategy_path);

// The fixed files of a Java or Kotlin package: the `sources` from the
// templates' `language` folder into `source_dir` (the first is the strategy
// template), the scripts, and the chosen tool chain's "pom.xml".
std::vector<FixedFile> project_files(Compiler compiler, std::string_view language, std::string_view source_dir,
                                     std::span<const std::string_view> sources);

// A Java or Kotlin package: the model of generator Gen in `source_dir`, then
// the project files.
template <pakko_gen::Generator Gen>
void gen_project(const ClientGenOptions& options, const GenOptions& gen_options,
                 const std::vector<pakko::SchemaPtr>& roots, std::string_view language, std::string_view source_dir,
                 std::span<const std::string_view> sources) {
    gen_package<Gen>(options, options.name, gen_options.pakko, roots, source_dir,
                     project_files(gen_options.compiler, language, source_dir, sources));
}

// "mvn package --batch-mode" in the package directory.
void build_local(const ClientGenOptions& options);

// java -jar target/<project>-jar-with-dependencies.jar, in the package directory.
Command run_local(const ClientGenOptions& options);

}  // namespace tarnwick::client_gen::maven
