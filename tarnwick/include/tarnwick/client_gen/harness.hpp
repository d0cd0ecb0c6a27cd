#pragma once
// The client test harness: generates each selected language's package into
// the target directory, lays the test strategies over it and, as the mode
// asks, builds it, builds its docker images and plays the test game with it.
// The first error ends the whole run.
#include <array>
#include <concepts>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>

#include <pakko/json_value.hpp>
#include <kimbly/logger.hpp>
#include <kimbly/panic.hpp>

#include "tarnwick/client_gen/error.hpp"
#include "tarnwick/client_gen/gen_options.hpp"
#include "tarnwick/client_gen/package.hpp"
#include "tarnwick/client_gen/process.hpp"
#include "tarnwick/client_gen/target.hpp"
#include "tarnwick/client_gen/test_mode.hpp"

namespace tarnwick::client_gen {

inline constexpr std::string_view LOG_TARGET = "tarnwick::client_gen";
inline constexpr std::uint16_t TEST_PORT = 31005;
inline constexpr std::string_view TEST_TOKEN = "HORNBEAM_QUAIL";

// Language name to (relative path to file text).
using StrategyFiles = std::map<std::string, std::map<std::string, std::string>>;
// Language name to its options in JSON form.
using GenOptionsByLanguage = std::map<std::string, pakko::json::Value>;
// Plays the test game with a client command; throws on failure.
using TestGame = std::function<void(const Command& client, const std::optional<std::string>& host_from_docker)>;

// A client package. A language whose package is only generated (never
// built or run) sets GENERATED_ONLY.
template <class L>
concept ClientGen = requires(const ClientGenOptions& options, typename L::GenOptions gen_options) {
    { L::NAME } -> std::convertible_to<std::string_view>;
    L::gen(options, gen_options);
    L::build_local(options);
    { L::run_local(options) } -> std::same_as<Command>;
};

template <class L>
constexpr bool generated_only() {
    if constexpr (requires { L::GENERATED_ONLY; }) {
        return L::GENERATED_ONLY;
    } else {
        return false;
    }
}

// Throws Error naming the known languages unless each name of the filter is
// one of them.
void check_language_names(const std::set<std::string>& filter, std::span<const std::string_view> known);

// The package directory of one language.
std::filesystem::path package_dir(const std::filesystem::path& target, std::string_view language,
                                  const std::optional<std::set<std::string>>& filter);

void write_strategy_files(const std::filesystem::path& dir, const std::map<std::string, std::string>& files);

// Builds the language image and the image of its untouched package.
void build_docker(const std::filesystem::path& dir, std::string_view language);

// The client command of the mode run-docker.
Command docker_client(const std::filesystem::path& dir, const std::optional<std::string>& host_from_docker);

template <class T>
T parse_gen_options(std::string_view language, const GenOptionsByLanguage& by_language) {
    auto entry = by_language.find(std::string(language));
    if (entry == by_language.end()) return T{};
    try {
        return GenOptionsTraits<T>::from_json(entry->second);
    } catch (const pakko::json::Error& error) {
        kimbly::expect_failed("Failed to parse gen options", error.what());
    }
}

struct HarnessInputs {
    const ClientGenOptions& options;
    const StrategyFiles& strategies;
    const std::optional<std::set<std::string>>& filter;
    const GenOptionsByLanguage& gen_options;
    const TestOptions& test_options;
    const TestGame& test_game;
};

// One language's step of the harness.
template <ClientGen L>
void test(const HarnessInputs& in) {
    ClientGenOptions options = in.options;
    options.target_dir = package_dir(in.options.target_dir, L::NAME, in.filter);
    auto gen_options = parse_gen_options<typename L::GenOptions>(L::NAME, in.gen_options);
    kimbly::logger::info(LOG_TARGET, "Generating {} with options {}", L::NAME,
                         GenOptionsTraits<typename L::GenOptions>::debug_form(gen_options));
    L::gen(options, gen_options);
    if (auto files = in.strategies.find(std::string(L::NAME)); files != in.strategies.end()) {
        write_strategy_files(options.target_dir, files->second);
    }
    if constexpr (!generated_only<L>()) {
        const TestMode mode = in.test_options.mode;
        if (mode == TestMode::Build || mode == TestMode::Run) {
            kimbly::logger::info(LOG_TARGET, "Building...");
            L::build_local(options);
        }
        if (mode == TestMode::BuildDocker || mode == TestMode::RunDocker) build_docker(options.target_dir, L::NAME);
        if (mode == TestMode::Run || mode == TestMode::RunDocker) {
            kimbly::logger::info(LOG_TARGET, "Running...");
            Command client = mode == TestMode::Run
                                 ? L::run_local(options)
                                       .arg("127.0.0.1")
                                       .arg(std::to_string(TEST_PORT))
                                       .arg(std::string(TEST_TOKEN))
                                 : docker_client(options.target_dir, in.test_options.host_from_docker);
            in.test_game(client, in.test_options.host_from_docker);
        }
    }
    kimbly::logger::info(LOG_TARGET, "Success");
}

// Checks the language names, the target and the options of every selected
// language, so that a mistake removes nothing; then clears the target
// directory when asked and runs each selected language in the order of
// Languages.
template <ClientGen... Languages>
void test_all(const HarnessInputs& in) {
    static constexpr std::array<std::string_view, sizeof...(Languages)> NAMES{Languages::NAME...};
    if (in.filter) check_language_names(*in.filter, NAMES);
    check_target(in.options.target_dir);
    auto selected = [&](std::string_view name) { return !in.filter || in.filter->contains(std::string(name)); };
    ((selected(Languages::NAME)
          ? void(parse_gen_options<typename Languages::GenOptions>(Languages::NAME, in.gen_options))
          : void()),
     ...);
    if (in.test_options.clean) clear_target(in.options.target_dir);
    ((selected(Languages::NAME) ? test<Languages>(in) : void()), ...);
}

}  // namespace tarnwick::client_gen
