#include "tarnwick/client_gen/ruby_package.hpp"

#include <array>

#include <pakko_gen/ruby/generator.hpp>

#include "tarnwick/client_gen/scripts.hpp"

namespace tarnwick::client_gen::ruby_package {

void Package::gen(const ClientGenOptions& options, GenOptions gen_options, const std::vector<pakko::SchemaPtr>& roots) {
    constexpr std::array<std::string_view, 3> sources{"main.rb", "debug_interface.rb", "my_strategy.rb"};
    const auto files = script_package_files(
        {"ruby", "ruby/Dockerfile", "my_strategy.rb", build_lines::RUBY, "jruby ./main.rb", sources});
    gen_package<pakko_gen::ruby::Generator>(options, options.name, gen_options, roots, ".", files);
}

}  // namespace tarnwick::client_gen::ruby_package
