#include "tarnwick/client_gen/cpp_package.hpp"

#include <pakko/names.hpp>
#include <pakko_gen/cpp/generator.hpp>

#include "tarnwick/client_gen/scripts.hpp"
#include "tarnwick/client_gen/templates.hpp"

namespace tarnwick::client_gen::cpp_package {

namespace {

std::vector<FixedFile> fixed_files() {
    std::vector<FixedFile> files{
        {"Dockerfile", std::string(client_template("cpp/Dockerfile"))},
        {"compile.sh", compile_script("MyStrategy.cpp", "MyStrategy.cpp", build_lines::CPP)},
        {"run.sh", run_script("./project_name")},
    };
    for (const char* name : {"CMakeLists.txt", "TcpStream.hpp", "TcpStream.cpp", "DebugInterface.hpp",
                             "DebugInterface.cpp", "MyStrategy.hpp", "MyStrategy.cpp", "main.cpp"}) {
        files.push_back({name, std::string(client_template(std::string("cpp/") + name))});
    }
    return files;
}

}  // namespace

void gen(const ClientGenOptions& options, const std::vector<pakko::SchemaPtr>& roots) {
    gen_package<pakko_gen::cpp::Generator>(options, options.name, {}, roots, ".", fixed_files());
}

void build_local(const ClientGenOptions& options) {
    Command configure{"cmake",
                      {"-DCMAKE_CXX_STANDARD=17", "-DCMAKE_BUILD_TYPE=RELEASE", "-DCMAKE_VERBOSE_MAKEFILE=ON", "."},
                      options.target_dir};
    run(configure);
    run(Command{"cmake", {"--build", ".", "--config", "Release"}, options.target_dir});
}

}  // namespace tarnwick::client_gen::cpp_package
