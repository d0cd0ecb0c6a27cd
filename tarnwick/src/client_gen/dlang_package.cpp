#include "tarnwick/client_gen/dlang_package.hpp"

#include <pakko_gen/dlang/generator.hpp>

#include "tarnwick/client_gen/scripts.hpp"
#include "tarnwick/client_gen/templates.hpp"

namespace tarnwick::client_gen::dlang_package {

namespace {

std::vector<FixedFile> fixed_files() {
    std::vector<FixedFile> files{
        {"Dockerfile", std::string(client_template("dlang/Dockerfile"))},
        {"compile.sh", compile_script("my_strategy.d", "source/my_strategy.d", build_lines::DLANG)},
        {"run.sh", run_script("./project_name")},
        {"dub.json", std::string(client_template("dlang/dub.json"))},
    };
    for (const char* name : {"app.d", "debug_interface.d", "my_strategy.d"}) {
        files.push_back({std::string("source/") + name, std::string(client_template(std::string("dlang/") + name))});
    }
    return files;
}

}  // namespace

void gen(const ClientGenOptions& options, const std::vector<pakko::SchemaPtr>& roots) {
    gen_package<pakko_gen::dlang::Generator>(options, options.name, {}, roots, "source", fixed_files());
}

// The package needs no other dub package, so dub fetches nothing.
void build_local(const ClientGenOptions& options) {
    Command build = command("dub build -b release");
    build.working_dir = options.target_dir;
    run(build);
}

// dub passes what follows "--" on to the program: host, port and token.
Command run_local(const ClientGenOptions& options) {
    Command result = command("dub run -b release --");
    result.working_dir = options.target_dir;
    return result;
}

}  // namespace tarnwick::client_gen::dlang_package
