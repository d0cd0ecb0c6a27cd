#include "tarnwick/client_gen/csharp_package.hpp"

#include <pakko/io.hpp>
#include <pakko_gen/csharp/generator.hpp>

#include "tarnwick/client_gen/scripts.hpp"
#include "tarnwick/client_gen/templates.hpp"

namespace tarnwick::client_gen {

namespace dotnet {

void build_local(const ClientGenOptions& options) {
    run(Command{"dotnet", {"build", "-c", "Release"}, options.target_dir});
}

Command run_local(const ClientGenOptions& options) {
    return Command{"dotnet", {"run", "-c", "Release"}, options.target_dir};
}

std::vector<FixedFile> image_files(std::string_view strategy_file) {
    return {
        {"Dockerfile", std::string(client_template("csharp/Dockerfile"))},
        {"compile.sh", compile_script(strategy_file, strategy_file, build_lines::DOTNET)},
        {"run.sh", run_script("dotnet ./project_name.dll")},
    };
}

}  // namespace dotnet

namespace csharp_package {

void gen(const ClientGenOptions& options, const std::vector<pakko::SchemaPtr>& roots) {
    auto files = dotnet::image_files("MyStrategy.cs");
    for (const char* name : {"Runner.cs", "DebugInterface.cs", "MyStrategy.cs"}) {
        files.push_back({name, std::string(client_template(std::string("csharp/") + name))});
    }
    // The project file keeps the name as given.
    files.push_back({options.name + ".csproj", std::string(client_template("csharp/project.csproj"))});
    gen_package<pakko_gen::csharp::Generator>(options, options.name, {}, roots, ".", files);
}

}  // namespace csharp_package

}  // namespace tarnwick::client_gen
