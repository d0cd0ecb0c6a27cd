#pragma once
// The JavaScript client package: the generated model, the runner, the debug interface and the strategy template of Node.js.
#include <string_view>
#include <vector>

#include <pakko/schema.hpp>
#include <pakko_gen/generator.hpp>

#include "tarnwick/client_gen/package.hpp"
#include "tarnwick/client_gen/script_client.hpp"

namespace tarnwick::client_gen {

namespace javascript_package {

struct Package {
    static constexpr std::string_view NAME = "JavaScript";
    static constexpr std::string_view INTERPRETER = "node";
    static constexpr std::string_view MAIN_FILE = "index.js";
    using GenOptions = pakko_gen::EmptyOptions;

    static void gen(const ClientGenOptions& options, GenOptions gen_options, const std::vector<pakko::SchemaPtr>& roots);
};

}  // namespace javascript_package

template <Game G>
using JavaScriptClient = ScriptClient<G, javascript_package::Package>;

}  // namespace tarnwick::client_gen
