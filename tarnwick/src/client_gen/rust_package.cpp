#include "tarnwick/client_gen/rust_package.hpp"

#include <pakko_gen/rust/generator.hpp>

#include "tarnwick/client_gen/scripts.hpp"
#include "tarnwick/client_gen/templates.hpp"

namespace tarnwick::client_gen::rust_package {

namespace {

std::vector<FixedFile> fixed_files() {
    return {
        {"Dockerfile", std::string(client_template("rust/Dockerfile"))},
        {"compile.sh", compile_script("my_strategy.rs", "src/my_strategy.rs", build_lines::RUST)},
        {"run.sh", run_script("./project_name")},
        {"Cargo.toml", std::string(client_template("rust/Cargo.toml"))},
        {"src/main.rs", std::string(client_template("rust/main.rs"))},
        {"src/my_strategy.rs", std::string(client_template("rust/my_strategy.rs"))},
    };
}

}  // namespace

void gen(const ClientGenOptions& options, const std::vector<pakko::SchemaPtr>& roots) {
    gen_package<pakko_gen::rust::Generator>(options, options.name + "-model", {}, roots, "model", fixed_files());
}

void build_local(const ClientGenOptions& options) {
    Command build = command("cargo build --release");
    build.working_dir = options.target_dir;
    run(build);
}

// cargo passes what follows "--" on to the program: host, port and token.
Command run_local(const ClientGenOptions& options) {
    Command result = command("cargo run --release --");
    result.working_dir = options.target_dir;
    return result;
}

}  // namespace tarnwick::client_gen::rust_package
