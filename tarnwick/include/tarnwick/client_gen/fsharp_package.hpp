#pragma once
// The F# client package: as the C# one, with a project file that lists the
// sources in the order F# must compile them.
#include <string>
#include <string_view>
#include <vector>

#include <pakko/schema.hpp>
#include <pakko_gen/gen_result.hpp>
#include <pakko_gen/generator.hpp>

#include "tarnwick/client_gen/csharp_package.hpp"

namespace tarnwick::client_gen {

namespace fsharp_package {

// The project's compile items: the generated ".fs" files in the model's
// order, then the debug interface, the strategy and the runner; one
// <Compile Include="…" /> per line, lines after the first indented by 8 spaces.
std::string compile_items(const pakko_gen::GenResult& model);

void gen(const ClientGenOptions& options, const std::vector<pakko::SchemaPtr>& roots);

}  // namespace fsharp_package

template <Game G>
struct FSharpClient {
    static constexpr std::string_view NAME = "FSharp";
    using GenOptions = pakko_gen::EmptyOptions;

    static void gen(const ClientGenOptions& options, GenOptions) { fsharp_package::gen(options, root_schemas<G>()); }
    static void build_local(const ClientGenOptions& options) { dotnet::build_local(options); }
    static Command run_local(const ClientGenOptions& options) { return dotnet::run_local(options); }
};

}  // namespace tarnwick::client_gen
