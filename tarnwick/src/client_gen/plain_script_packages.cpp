#include "tarnwick/client_gen/plain_script_packages.hpp"

#include <array>

#include <pakko_gen/javascript/generator.hpp>
#include <pakko_gen/ruby/generator.hpp>

#include "tarnwick/client_gen/scripts.hpp"

namespace tarnwick::client_gen {

namespace {

constexpr std::array<std::string_view, 3> JAVASCRIPT_SOURCES{"index.js", "debug-interface.js", "my-strategy.js"};
constexpr std::array<std::string_view, 3> RUBY_SOURCES{"main.rb", "debug_interface.rb", "my_strategy.rb"};

// The model in the package's top folder, then the fixed files.
template <pakko_gen::Generator Gen>
void gen_plain_script(const ClientGenOptions& options, const std::vector<pakko::SchemaPtr>& roots,
                      const ScriptFiles& files) {
    gen_package<Gen>(options, options.name, {}, roots, ".", script_package_files(files));
}

}  // namespace

void gen_javascript_package(const ClientGenOptions& options, const std::vector<pakko::SchemaPtr>& roots) {
    gen_plain_script<pakko_gen::javascript::Generator>(
        options, roots,
        {"javascript", "javascript/Dockerfile", "my-strategy.js", build_lines::JAVASCRIPT, "node ./index.js",
         JAVASCRIPT_SOURCES});
}

void gen_ruby_package(const ClientGenOptions& options, const std::vector<pakko::SchemaPtr>& roots) {
    gen_plain_script<pakko_gen::ruby::Generator>(
        options, roots,
        {"ruby", "ruby/Dockerfile", "my_strategy.rb", build_lines::RUBY, "jruby ./main.rb", RUBY_SOURCES});
}

}  // namespace tarnwick::client_gen
