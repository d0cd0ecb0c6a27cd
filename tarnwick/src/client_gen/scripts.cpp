#include "tarnwick/client_gen/scripts.hpp"

namespace tarnwick::client_gen {

std::string compile_script(std::string_view strategy_file, std::string_view strategy_path,
                           std::span<const std::string_view> build_lines) {
    std::string text = "set -ex\n\nif [ \"$1\" != \"base\" ]; then\n    if [[ `ls -1 /src/ | wc -l` -eq 1 ]]; then\n";
    text.append("        cp -f /src/").append(strategy_file).append(" ").append(strategy_path).append("\n");
    text.append("    else\n        rm -rf ./*\n        cp -rf /src/* ./\n    fi\nfi\n");
    for (auto line : build_lines) text.append("\n").append(line);
    return text;
}

std::string run_script(std::string_view start_command) {
    return std::string("set -ex\n\ncd /output\n").append(start_command).append(" \"$@\"");
}

}  // namespace tarnwick::client_gen
