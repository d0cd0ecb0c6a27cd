#include "tarnwick/client_gen/fsharp_package.hpp"

#include <pakko_gen/fsharp/generator.hpp>

#include "tarnwick/client_gen/templates.hpp"

namespace tarnwick::client_gen::fsharp_package {

std::string compile_items(const pakko_gen::GenResult& model) {
    std::vector<std::string> paths;
    for (const auto& file : model.files) {
        auto path = file.path.generic_string();
        if (path.ends_with(".fs")) paths.push_back(path);
    }
    for (const char* path : {"DebugInterface.fs", "MyStrategy.fs", "Runner.fs"}) paths.emplace_back(path);
    std::string items;
    for (const auto& path : paths) {
        if (!items.empty()) items += "\n        ";
        items += "<Compile Include=\"" + path + "\" />";
    }
    return items;
}

void gen(const ClientGenOptions& options, const std::vector<pakko::SchemaPtr>& roots) {
    pakko_gen::GenResult model = [&] {
        pakko_gen::GeneratorImpl<pakko_gen::fsharp::Generator> generator(options.name, options.version, {});
        for (const auto& root : roots) generator.add(*root);
        return std::move(generator).result();
    }();
    model.write_to(options.target_dir);
    auto files = dotnet::image_files("MyStrategy.fs");
    for (const char* name : {"DebugInterface.fs", "Runner.fs", "MyStrategy.fs"}) {
        files.push_back({name, std::string(client_template(std::string("fsharp/") + name))});
    }
    write_fixed_files(options, files);
    // The compile list goes in after the names, so generated paths are never renamed.
    auto project = substitute_names(client_template("fsharp/project.fsproj"), options.name);
    const std::string placeholder = "<SourceFile />";
    const auto items = compile_items(model);
    for (auto at = project.find(placeholder); at != std::string::npos; at = project.find(placeholder, at + items.size())) {
        project.replace(at, placeholder.size(), items);
    }
    write_file(options.target_dir / (options.name + ".fsproj"), project);
}

}  // namespace tarnwick::client_gen::fsharp_package
