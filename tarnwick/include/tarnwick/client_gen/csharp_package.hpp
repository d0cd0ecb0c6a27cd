#pragma once
// The C# client package: a .NET console project of the generated model, the
// runner, the debug interface and the strategy template. The F# package
// builds, runs and packs its image the same way.
#include <string_view>
#include <vector>

#include <pakko/schema.hpp>
#include <pakko_gen/generator.hpp>

#include "tarnwick/client_gen/package.hpp"
#include "tarnwick/client_gen/process.hpp"
#include "tarnwick/game.hpp"

namespace tarnwick::client_gen {

namespace dotnet {

// `dotnet build -c Release` in the package; a missing `dotnet` is reported
// as such.
void build_local(const ClientGenOptions& options);
// `dotnet run -c Release` in the package.
Command run_local(const ClientGenOptions& options);
// The Dockerfile, compile.sh and run.sh shared by both languages.
std::vector<FixedFile> image_files(std::string_view strategy_file);

}  // namespace dotnet

namespace csharp_package {

void gen(const ClientGenOptions& options, const std::vector<pakko::SchemaPtr>& roots);

}  // namespace csharp_package

template <Game G>
struct CSharpClient {
    static constexpr std::string_view NAME = "CSharp";
    using GenOptions = pakko_gen::EmptyOptions;

    static void gen(const ClientGenOptions& options, GenOptions) { csharp_package::gen(options, root_schemas<G>()); }
    static void build_local(const ClientGenOptions& options) { dotnet::build_local(options); }
    static Command run_local(const ClientGenOptions& options) { return dotnet::run_local(options); }
};

}  // namespace tarnwick::client_gen
