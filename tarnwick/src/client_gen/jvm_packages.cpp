#include "tarnwick/client_gen/jvm_packages.hpp"

#include <array>

#include <pakko_gen/java/generator.hpp>
#include <pakko_gen/kotlin/generator.hpp>
#include <pakko_gen/scala/generator.hpp>

#include "tarnwick/client_gen/templates.hpp"

namespace tarnwick::client_gen {

void gen_java_package(const ClientGenOptions& options, const maven::GenOptions& gen_options,
                      const std::vector<pakko::SchemaPtr>& roots) {
    constexpr std::array<std::string_view, 3> sources{"MyStrategy.java", "DebugInterface.java", "Runner.java"};
    maven::gen_project<pakko_gen::java::Generator>(options, gen_options, roots, "java", "src/main/java", sources);
}

void gen_kotlin_package(const ClientGenOptions& options, const maven::GenOptions& gen_options,
                        const std::vector<pakko::SchemaPtr>& roots) {
    constexpr std::array<std::string_view, 3> sources{"MyStrategy.kt", "DebugInterface.kt", "Runner.kt"};
    maven::gen_project<pakko_gen::kotlin::Generator>(options, gen_options, roots, "kotlin", "src/main/kotlin", sources);
}

// Scala's fixed files come in an order of their own, scripts first.
void gen_scala_package(const ClientGenOptions& options, const pakko_gen::EmptyOptions& gen_options,
                       const std::vector<pakko::SchemaPtr>& roots) {
    auto files = maven::scripts(maven::Compiler::Vanilla, "MyStrategy.scala", "src/main/scala/MyStrategy.scala");
    for (const char* name : {"MyStrategy.scala", "DebugInterface.scala", "Runner.scala"}) {
        files.push_back(
            {std::string("src/main/scala/") + name, std::string(client_template(std::string("scala/") + name))});
    }
    files.push_back({"pom.xml", std::string(client_template("scala/pom.xml"))});
    gen_package<pakko_gen::scala::Generator>(options, options.name, gen_options, roots, "src/main/scala", files);
}

}  // namespace tarnwick::client_gen
