#pragma once
// The D client package: a dub project of the generated model, a socket
// stream, the runner, the debug interface and the strategy template.
#include <string_view>
#include <vector>

#include <pakko/schema.hpp>
#include <pakko_gen/generator.hpp>

#include "tarnwick/client_gen/package.hpp"
#include "tarnwick/client_gen/process.hpp"
#include "tarnwick/game.hpp"

namespace tarnwick::client_gen {

namespace dlang_package {

void gen(const ClientGenOptions& options, const std::vector<pakko::SchemaPtr>& roots);
void build_local(const ClientGenOptions& options);
Command run_local(const ClientGenOptions& options);

}  // namespace dlang_package

template <Game G>
struct DlangClient {
    static constexpr std::string_view NAME = "Dlang";
    using GenOptions = pakko_gen::EmptyOptions;

    static void gen(const ClientGenOptions& options, GenOptions) { dlang_package::gen(options, root_schemas<G>()); }
    static void build_local(const ClientGenOptions& options) { dlang_package::build_local(options); }
    static Command run_local(const ClientGenOptions& options) { return dlang_package::run_local(options); }
};

}  // namespace tarnwick::client_gen
