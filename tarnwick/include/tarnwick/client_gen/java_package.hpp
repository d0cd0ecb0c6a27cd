#pragma once
// The Java client package: a Maven project of the generated model, the
// runner, the debug interface and the strategy template.
#include <string_view>
#include <vector>

#include <pakko/schema.hpp>

#include "tarnwick/client_gen/maven.hpp"
#include "tarnwick/game.hpp"

namespace tarnwick::client_gen {

namespace java_package {

void gen(const ClientGenOptions& options, const maven::GenOptions& gen_options,
         const std::vector<pakko::SchemaPtr>& roots);

}  // namespace java_package

template <Game G>
struct JavaClient {
    static constexpr std::string_view NAME = "Java";
    using GenOptions = maven::GenOptions;

    static void gen(const ClientGenOptions& options, const GenOptions& gen_options) {
        java_package::gen(options, gen_options, root_schemas<G>());
    }
    static void build_local(const ClientGenOptions& options) { maven::build_local(options); }
    static Command run_local(const ClientGenOptions& options) { return maven::run_local(options); }
};

}  // namespace tarnwick::client_gen
