#pragma once
// The command line.
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include <kimbly/logger.hpp>
#include <pakko/json_value.hpp>
#include <tarnwick/client_gen/test_mode.hpp>

#include "velmora/lib/full_processor.hpp"

namespace velmora {

inline constexpr std::string_view PROGRAM_NAME = "velmora";
inline constexpr std::string_view PROGRAM_VERSION = "1.3.0";

// The client-generation options, checked while the command line is parsed.
struct ClientGenOpt {
    std::optional<std::filesystem::path> target_dir;
    std::optional<tarnwick::client_gen::TestMode> test_mode;
    std::optional<std::string> host_from_docker;
    bool preserve_files = false;
    std::vector<std::string> languages;
    // Language name to its options in JSON form; a later repeated key wins.
    std::optional<std::map<std::string, pakko::json::Value>> gen_options;
};

struct Opt {
    std::optional<std::string> lang;
    std::optional<std::filesystem::path> replay;
    std::optional<std::filesystem::path> repeat;
    std::optional<std::filesystem::path> save_replay;
    std::optional<std::filesystem::path> save_results;
    std::optional<std::filesystem::path> config;
    bool batch_mode = false;
    std::optional<kimbly::logger::LevelFilter> log_level;
    std::vector<std::string> player_names;
    ClientGenOpt client_gen;
    // Never set from the command line: start-up reads it from `config`.
    std::optional<FullOptions> full_options;
};

// What parsing decided: run with these options, or end at once with this
// status (help, version, or a bad command line, whose message is printed).
using ParsedCommandLine = std::variant<Opt, int>;

ParsedCommandLine parse_command_line(int argc, const char* const* argv);

// "off" to "trace", in any letter case.
std::optional<kimbly::logger::LevelFilter> parse_level_filter(std::string text);

}  // namespace velmora
