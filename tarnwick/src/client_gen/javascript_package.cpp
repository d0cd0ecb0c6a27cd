#include "tarnwick/client_gen/javascript_package.hpp"

#include <array>

#include <pakko_gen/javascript/generator.hpp>

#include "tarnwick/client_gen/scripts.hpp"

namespace tarnwick::client_gen::javascript_package {

void Package::gen(const ClientGenOptions& options, GenOptions gen_options, const std::vector<pakko::SchemaPtr>& roots) {
    constexpr std::array<std::string_view, 3> sources{"index.js", "debug-interface.js", "my-strategy.js"};
    const auto files = script_package_files(
        {"javascript", "javascript/Dockerfile", "my-strategy.js", build_lines::JAVASCRIPT, "node ./index.js", sources});
    gen_package<pakko_gen::javascript::Generator>(options, options.name, gen_options, roots, ".", files);
}

}  // namespace tarnwick::client_gen::javascript_package
