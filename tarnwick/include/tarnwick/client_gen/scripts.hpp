#pragma once
// The build and start scripts that every client package carries, built from
// one shared text.
#include <span>
#include <string>
#include <string_view>

namespace tarnwick::client_gen {

// The compile script: takes over a solution from /src unless its argument
// is "base", then the language's build lines, the last of which copies the
// runnable result to /output. No line break after the last line.
std::string compile_script(std::string_view strategy_file, std::string_view strategy_path,
                           std::span<const std::string_view> build_lines);

// The start script: runs `start_command` in /output with all its arguments.
std::string run_script(std::string_view start_command);

}  // namespace tarnwick::client_gen
