#include "tarnwick/client_gen/script_client.hpp"

#include "tarnwick/client_gen/scripts.hpp"
#include "tarnwick/client_gen/templates.hpp"

namespace tarnwick::client_gen {

std::vector<FixedFile> script_package_files(const ScriptFiles& files) {
    std::vector<FixedFile> result{
        {"Dockerfile", std::string(client_template(files.dockerfile))},
        {"compile.sh", compile_script(files.strategy_file, files.strategy_file, files.build_lines)},
        {"run.sh", run_script(files.start_command)},
    };
    for (auto name : files.sources) {
        result.push_back({std::string(name), std::string(client_template(std::string(files.folder) + "/" + std::string(name)))});
    }
    return result;
}

}  // namespace tarnwick::client_gen
