#pragma once
// The Ruby client package: the generated model, the runner with its buffering socket, the debug interface and the strategy template.
#include <string_view>
#include <vector>

#include <pakko/schema.hpp>
#include <pakko_gen/generator.hpp>

#include "tarnwick/client_gen/package.hpp"
#include "tarnwick/client_gen/script_client.hpp"

namespace tarnwick::client_gen {

namespace ruby_package {

struct Package {
    static constexpr std::string_view NAME = "Ruby";
    static constexpr std::string_view INTERPRETER = "ruby";
    static constexpr std::string_view MAIN_FILE = "main.rb";
    using GenOptions = pakko_gen::EmptyOptions;

    static void gen(const ClientGenOptions& options, GenOptions gen_options, const std::vector<pakko::SchemaPtr>& roots);
};

}  // namespace ruby_package

template <Game G>
using RubyClient = ScriptClient<G, ruby_package::Package>;

}  // namespace tarnwick::client_gen
