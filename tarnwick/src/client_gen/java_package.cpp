#include "tarnwick/client_gen/java_package.hpp"

#include <array>

#include <pakko_gen/java/generator.hpp>

namespace tarnwick::client_gen::java_package {

void gen(const ClientGenOptions& options, const maven::GenOptions& gen_options,
         const std::vector<pakko::SchemaPtr>& roots) {
    constexpr std::array<std::string_view, 3> sources{"MyStrategy.java", "DebugInterface.java", "Runner.java"};
    gen_package<pakko_gen::java::Generator>(options, options.name, gen_options.pakko, roots, "src/main/java",
                                            maven::project_files(gen_options.compiler, "java", "src/main/java", sources));
}

}  // namespace tarnwick::client_gen::java_package
