#pragma once
// The Java, Kotlin and Scala client packages: Maven projects of the
// generated model, the runner, the debug interface and the strategy
// template, built and run alike.
#include <string_view>
#include <type_traits>
#include <vector>

#include <pakko/schema.hpp>
#include <pakko_gen/generator.hpp>

#include "tarnwick/client_gen/maven.hpp"
#include "tarnwick/game.hpp"

namespace tarnwick::client_gen {

// What sets one of them apart: its name and how it writes its package.
template <class Options>
struct MavenPackage {
    using GenOptions = Options;

    std::string_view name;
    void (*gen)(const ClientGenOptions& options, const Options& gen_options, const std::vector<pakko::SchemaPtr>& roots);
};

// Java and Kotlin choose between a plain JVM and a native image, Scala takes
// no options.
void gen_java_package(const ClientGenOptions& options, const maven::GenOptions& gen_options,
                      const std::vector<pakko::SchemaPtr>& roots);
void gen_kotlin_package(const ClientGenOptions& options, const maven::GenOptions& gen_options,
                        const std::vector<pakko::SchemaPtr>& roots);
void gen_scala_package(const ClientGenOptions& options, const pakko_gen::EmptyOptions& gen_options,
                       const std::vector<pakko::SchemaPtr>& roots);

inline constexpr MavenPackage<maven::GenOptions> JAVA_PACKAGE{"Java", gen_java_package};
inline constexpr MavenPackage<maven::GenOptions> KOTLIN_PACKAGE{"Kotlin", gen_kotlin_package};
inline constexpr MavenPackage<pakko_gen::EmptyOptions> SCALA_PACKAGE{"Scala", gen_scala_package};

namespace maven {

// A package of game G, built with Maven and run from its assembled jar.
template <Game G, const auto& PACKAGE>
struct Client {
    static constexpr std::string_view NAME = PACKAGE.name;
    using GenOptions = typename std::remove_cvref_t<decltype(PACKAGE)>::GenOptions;

    static void gen(const ClientGenOptions& options, const GenOptions& gen_options) {
        PACKAGE.gen(options, gen_options, root_schemas<G>());
    }
    static void build_local(const ClientGenOptions& options) { maven::build_local(options); }
    static Command run_local(const ClientGenOptions& options) { return maven::run_local(options); }
};

}  // namespace maven

template <Game G>
using JavaClient = maven::Client<G, JAVA_PACKAGE>;
template <Game G>
using KotlinClient = maven::Client<G, KOTLIN_PACKAGE>;
template <Game G>
using ScalaClient = maven::Client<G, SCALA_PACKAGE>;

}  // namespace tarnwick::client_gen
