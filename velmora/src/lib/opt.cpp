#include "velmora/lib/opt.hpp"

#include <algorithm>
#include <cctype>
#include <map>
#include <utility>

#include <CLI/CLI.hpp>

namespace velmora {

namespace {

constexpr const char* BAD_LEVEL = "attempted to convert a string that doesn't match an existing log level";

template <class T>
void optional_value(CLI::App& app, const std::string& name, std::optional<T>& target) {
    app.add_option_function<std::string>(name, [&target](const std::string& value) { target = T(value); });
}

// The --client-gen-options value: a JSON object. Throws pakko::json::Error.
std::map<std::string, pakko::json::Value> parse_gen_options(const std::string& text) {
    pakko::json::Value value = pakko::json::Value::parse(text);
    if (!value.is_object()) pakko::json::throw_invalid_type(value, "a map");
    std::map<std::string, pakko::json::Value> result;
    for (std::size_t i = 0; i < value.keys.size(); ++i) result.insert_or_assign(value.keys[i], std::move(value.items[i]));
    return result;
}

}  // namespace

std::optional<kimbly::logger::LevelFilter> parse_level_filter(std::string text) {
    using kimbly::logger::LevelFilter;
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    if (text == "off") return LevelFilter::Off;
    if (text == "error") return LevelFilter::Error;
    if (text == "warn") return LevelFilter::Warn;
    if (text == "info") return LevelFilter::Info;
    if (text == "debug") return LevelFilter::Debug;
    if (text == "trace") return LevelFilter::Trace;
    return std::nullopt;
}

ParsedCommandLine parse_command_line(int argc, const char* const* argv) {
    Opt opt;
    CLI::App app{"", std::string(PROGRAM_NAME)};
    app.set_help_flag("--help");
    app.set_version_flag("--version", std::string(PROGRAM_NAME) + " " + std::string(PROGRAM_VERSION), "");

    optional_value(app, "--lang", opt.lang);
    optional_value(app, "--replay", opt.replay);
    optional_value(app, "--repeat", opt.repeat);
    optional_value(app, "--save-replay", opt.save_replay);
    optional_value(app, "--save-results", opt.save_results);
    optional_value(app, "--config", opt.config);
    app.add_flag("--batch-mode", opt.batch_mode);
    app.add_option_function<std::string>("--log-level", [&](const std::string& value) {
           opt.log_level = parse_level_filter(value);
       })
        ->check(CLI::Validator(
            [](std::string& value) { return parse_level_filter(value) ? std::string() : std::string(BAD_LEVEL); },
            "LEVEL"));
    app.add_option("--player-names", opt.player_names)->expected(1, -1)->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);

    optional_value(app, "--client-gen", opt.client_gen.target_dir);
    app.add_option_function<std::string>("--client-gen-test-mode", [&](const std::string& value) {
           opt.client_gen.test_mode = tarnwick::client_gen::test_mode_from_str(value);
       })
        ->check(CLI::Validator(
            [](std::string& value) {
                return tarnwick::client_gen::test_mode_from_str(value)
                           ? std::string()
                           : std::string(tarnwick::client_gen::TEST_MODE_ERROR);
            },
            "MODE"));
    optional_value(app, "--client-gen-host-from-docker", opt.client_gen.host_from_docker);
    app.add_flag("--client-gen-preserve-files", opt.client_gen.preserve_files);
    app.add_option("--client-gen-language", opt.client_gen.languages)->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    app.add_option_function<std::string>("--client-gen-options", [&](const std::string& value) {
           opt.client_gen.gen_options = parse_gen_options(value);
       })
        ->check(CLI::Validator(
            [](std::string& value) {
                try {
                    parse_gen_options(value);
                    return std::string();
                } catch (const pakko::json::Error& error) {
                    return std::string(error.what());
                }
            },
            "JSON"));

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        // Help and version end successfully; every real error ends with 1
        // (the parser's own codes start at 100, which means a fatal stop here).
        return app.exit(error) == 0 ? 0 : 1;
    }
    return opt;
}

}  // namespace velmora
