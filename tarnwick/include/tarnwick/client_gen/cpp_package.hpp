#pragma once
// The C++ client package: a CMake project of the generated model, a TCP
// stream, the runner, the debug interface and the strategy template.
#include <string_view>
#include <vector>

#include <pakko/schema.hpp>
#include <pakko_gen/generator.hpp>

#include "tarnwick/client_gen/package.hpp"
#include "tarnwick/client_gen/process.hpp"
#include "tarnwick/game.hpp"

namespace tarnwick::client_gen {

namespace cpp_package {

void gen(const ClientGenOptions& options, const std::vector<pakko::SchemaPtr>& roots);
void build_local(const ClientGenOptions& options);

}  // namespace cpp_package

template <Game G>
struct CppClient {
    static constexpr std::string_view NAME = "Cpp";
    using GenOptions = pakko_gen::EmptyOptions;

    static void gen(const ClientGenOptions& options, GenOptions) { cpp_package::gen(options, root_schemas<G>()); }
    static void build_local(const ClientGenOptions& options) { cpp_package::build_local(options); }
    static Command run_local(const ClientGenOptions& options) { return built_program(options); }
};

}  // namespace tarnwick::client_gen
