#include "tarnwick/client_gen/go_package.hpp"

#include <pakko_gen/go/generator.hpp>

#include "tarnwick/client_gen/scripts.hpp"
#include "tarnwick/client_gen/templates.hpp"

namespace tarnwick::client_gen::go_package {

namespace {

std::vector<FixedFile> fixed_files() {
    std::vector<FixedFile> files{
        {"Dockerfile", std::string(client_template("go/Dockerfile"))},
        {"compile.sh", compile_script("my_strategy.go", "my_strategy.go", build_lines::GO)},
        {"run.sh", run_script("./project_name")},
    };
    for (const char* name : {"go.mod", "debug_interface.go", "main.go", "my_strategy.go"}) {
        files.push_back({name, std::string(client_template(std::string("go/") + name))});
    }
    return files;
}

}  // namespace

// The model imports the stream package under the project name as given,
// while go.mod declares its snake_case form: the two agree for the names
// client generation uses.
void gen(const ClientGenOptions& options, const std::vector<pakko::SchemaPtr>& roots) {
    gen_package<pakko_gen::go::Generator>(options, options.name, {}, roots, ".", fixed_files());
}

void build_local(const ClientGenOptions& options) {
    Command build = command("go").arg("build").arg("-o").arg(options.name);
    build.working_dir = options.target_dir;
    run(build);
}

}  // namespace tarnwick::client_gen::go_package
