#include "velmora/client_gen/run.hpp"

#include <set>

#include <tarnwick/client_gen/cpp_package.hpp>
#include <tarnwick/client_gen/csharp_package.hpp>
#include <tarnwick/client_gen/dlang_package.hpp>
#include <tarnwick/client_gen/fsharp_package.hpp>
#include <tarnwick/client_gen/go_package.hpp>
#include <tarnwick/client_gen/jvm_packages.hpp>
#include <tarnwick/client_gen/markdown_package.hpp>
#include <tarnwick/client_gen/plain_script_packages.hpp>
#include <tarnwick/client_gen/python_package.hpp>
#include <tarnwick/client_gen/rust_package.hpp>

#include "velmora/game.hpp"

namespace velmora::client_gen {

namespace cg = tarnwick::client_gen;

cg::StrategyFiles test_strategy_files() {
    cg::StrategyFiles files;
    for (const auto& file : strategy_texts()) {
        const auto slash = file.path.find('/');
        files[std::string(file.path.substr(0, slash))][std::string(file.path.substr(slash + 1))] =
            std::string(file.text);
    }
    return files;
}

void play_test_game(const cg::Command& client, const cg::TestGameOptions& test_game_options) {
    model::Options options = model::options_from(model::OptionsPreset{model::Round1{}});
    options.max_tick_count = 10;
    model::DebugState state;
    state.window_size = {1, 1};
    cg::play_test_game<Game>(client, test_game_options, std::move(options), std::move(state));
}

std::optional<RunError> run(const ClientGenOpt& options) {
    const cg::ClientGenOptions gen_options{"velmora", *options.target_dir, "0.1.0"};
    const cg::StrategyFiles strategies = test_strategy_files();
    std::optional<std::set<std::string>> filter;
    if (!options.languages.empty()) filter.emplace(options.languages.begin(), options.languages.end());
    const cg::GenOptionsByLanguage by_language = options.gen_options.value_or(cg::GenOptionsByLanguage{});
    const cg::TestOptions test_options{options.host_from_docker, !options.preserve_files,
                                       options.test_mode.value_or(cg::TestMode::Gen)};
    const cg::TestGame test_game = [](const cg::Command& client, const std::optional<std::string>& host_from_docker) {
        play_test_game(client, cg::test_game_options(host_from_docker));
    };
    try {
        cg::test_all<cg::CppClient<Game>, cg::CSharpClient<Game>, cg::DlangClient<Game>, cg::FSharpClient<Game>,
                     cg::GoClient<Game>, cg::JavaClient<Game>, cg::JavaScriptClient<Game>, cg::KotlinClient<Game>,
                     cg::PythonClient<Game>, cg::RubyClient<Game>, cg::RustClient<Game>, cg::ScalaClient<Game>,
                     cg::MarkdownClient<Game>>(
            {gen_options, strategies, filter, by_language, test_options, test_game});
    } catch (const std::exception& error) {
        return RunError{{error.what()}};
    }
    return std::nullopt;
}

}  // namespace velmora::client_gen
