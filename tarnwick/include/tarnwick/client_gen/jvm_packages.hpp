#pragma once
// The Java, Kotlin and Scala client packages: Maven projects of the
// generated model, the runner, the debug interface and the strategy
// template, built and run alike.
#include <string_view>
#include <vector>

#include <pakko/schema.hpp>
#include <pakko_gen/generator.hpp>

#include "tarnwick/client_gen/maven.hpp"
#include "tarnwick/game.hpp"

namespace tarnwick::client_gen {

// Each writes its package for the given options; Java and Kotlin choose
// between a plain JVM and a native image, Scala takes no options.
struct JavaPackage {
    static constexpr std::string_view NAME = "Java";
    using GenOptions = maven::GenOptions;
    static void gen(const ClientGenOptions& options, const GenOptions& gen_options,
                    const std::vector<pakko::SchemaPtr>& roots);
};

struct KotlinPackage {
    static constexpr std::string_view NAME = "Kotlin";
    using GenOptions = maven::GenOptions;
    static void gen(const ClientGenOptions& options, const GenOptions& gen_options,
                    const std::vector<pakko::SchemaPtr>& roots);
};

struct ScalaPackage {
    static constexpr std::string_view NAME = "Scala";
    using GenOptions = pakko_gen::EmptyOptions;
    static void gen(const ClientGenOptions& options, const GenOptions& gen_options,
                    const std::vector<pakko::SchemaPtr>& roots);
};

namespace maven {

// A package of game G, built with Maven and run from its assembled jar.
template <Game G, class Package>
struct Client {
    static constexpr std::string_view NAME = Package::NAME;
    using GenOptions = typename Package::GenOptions;

    static void gen(const ClientGenOptions& options, const GenOptions& gen_options) {
        Package::gen(options, gen_options, root_schemas<G>());
    }
    static void build_local(const ClientGenOptions& options) { maven::build_local(options); }
    static Command run_local(const ClientGenOptions& options) { return maven::run_local(options); }
};

}  // namespace maven

template <Game G>
using JavaClient = maven::Client<G, JavaPackage>;
template <Game G>
using KotlinClient = maven::Client<G, KotlinPackage>;
template <Game G>
using ScalaClient = maven::Client<G, ScalaPackage>;

}  // namespace tarnwick::client_gen
