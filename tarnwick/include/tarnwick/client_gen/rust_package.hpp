#pragma once
// The Rust client package: the generated model crate, the runner with the
// debug interface, and the strategy template. Its crates come from a
// registry this machine cannot reach, so it is generated and checked here
// but not built.
#include <string_view>
#include <vector>

#include <pakko/schema.hpp>
#include <pakko_gen/generator.hpp>

#include "tarnwick/client_gen/package.hpp"
#include "tarnwick/client_gen/process.hpp"
#include "tarnwick/game.hpp"

namespace tarnwick::client_gen {

namespace rust_package {

void gen(const ClientGenOptions& options, const std::vector<pakko::SchemaPtr>& roots);
// A failed build is reported with what the package depends on, since the
// usual cause is a crate that no reachable registry has.
void build_local(const ClientGenOptions& options);
Command run_local(const ClientGenOptions& options);

}  // namespace rust_package

template <Game G>
struct RustClient {
    static constexpr std::string_view NAME = "Rust";
    using GenOptions = pakko_gen::EmptyOptions;

    static void gen(const ClientGenOptions& options, GenOptions) { rust_package::gen(options, root_schemas<G>()); }
    static void build_local(const ClientGenOptions& options) { rust_package::build_local(options); }
    static Command run_local(const ClientGenOptions& options) { return rust_package::run_local(options); }
};

}  // namespace tarnwick::client_gen
