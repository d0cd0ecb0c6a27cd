#pragma once
// The command line.
#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include <kimbly/logger.hpp>

#include "velmora/lib/full_processor.hpp"

namespace velmora {

inline constexpr std::string_view PROGRAM_NAME = "velmora";
inline constexpr std::string_view PROGRAM_VERSION = "1.3.0";

// The client-generation options, carried to client generation as given.
struct ClientGenOpt {
    std::optional<std::filesystem::path> target_dir;
    std::optional<std::string> test_mode;
    std::optional<std::string> host_from_docker;
    bool preserve_files = false;
    std::vector<std::string> languages;
    std::optional<std::string> gen_options;
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
