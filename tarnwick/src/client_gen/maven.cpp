#include "tarnwick/client_gen/maven.hpp"

#include <pakko/names.hpp>

#include "tarnwick/client_gen/scripts.hpp"
#include "tarnwick/client_gen/templates.hpp"

namespace tarnwick::client_gen::maven {

std::vector<FixedFile> scripts(Compiler compiler, std::string_view strategy_file, std::string_view strategy_path) {
    const bool native = compiler == Compiler::GraalVM;
    const std::string dockerfile = "java/Dockerfile-" + std::string(COMPILER_NAMES[static_cast<std::size_t>(compiler)]);
    return {
        {"Dockerfile", std::string(client_template(dockerfile))},
        {"compile.sh", compile_script(strategy_file, strategy_path,
                                              native ? build_lines::MAVEN_NATIVE : build_lines::MAVEN_JAR)},
        {"run.sh", run_script(native ? "./project_name-native-with-dependencies"
                                     : "java -Xmx250m -jar ./project_name-jar-with-dependencies.jar")},
    };
}

std::vector<FixedFile> project_files(Compiler compiler, std::string_view language, std::string_view source_dir,
                                     std::span<const std::string_view> sources) {
    const std::string folder = std::string(language) + "/";
    const std::string dir = std::string(source_dir) + "/";
    std::vector<FixedFile> files;
    for (auto name : sources) {
        files.push_back({dir + std::string(name), std::string(client_template(folder + std::string(name)))});
    }
    auto root_files = scripts(compiler, sources.front(), dir + std::string(sources.front()));
    files.insert(files.end(), root_files.begin(), root_files.end());
    const auto pom = folder + "pom-" + std::string(COMPILER_NAMES[static_cast<std::size_t>(compiler)]) + ".xml";
    files.push_back({"pom.xml", std::string(client_template(pom))});
    return files;
}

void build_local(const ClientGenOptions& options) {
    Command build = command("mvn package --batch-mode");
    build.working_dir = options.target_dir;
    run(build);
}

Command run_local(const ClientGenOptions& options) {
    return Command{"java",
                   {"-jar", "target/" + pakko::to_snake_case(options.name) + "-jar-with-dependencies.jar"},
                   options.target_dir};
}

}  // namespace tarnwick::client_gen::maven
