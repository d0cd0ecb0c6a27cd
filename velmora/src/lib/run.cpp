#include "velmora/lib/run.hpp"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <utility>

#include <fmt/format.h>
#include <kimbly/localization.hpp>
#include <kimbly/logger.hpp>
#include <kimbly/panic.hpp>
#include <pakko/file_io.hpp>
#include <pakko/json.hpp>
#include <tarnwick/lib/byte_source.hpp>
#include <tarnwick/lib/full_options.hpp>
#include <tarnwick/lib/full_results.hpp>
#include <tarnwick/lib/replay.hpp>

namespace velmora {

namespace {

constexpr std::size_t REPLAY_BUFFER_SIZE = 8192;

// Relative paths of the command line are taken from the program's own folder
// (or the development source's "static" folder), wherever it was started.
void enter_working_directory() {
    std::filesystem::path directory;
    if (const char* source = std::getenv(SOURCE_DIR_VARIABLE)) {
        directory = std::filesystem::path(source) / "static";
    } else {
        std::error_code error;
        const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
        if (error) kimbly::expect_failed("Could not find the executable's path", error.message());
        directory = executable.parent_path();
    }
    if (directory.empty()) return;
    std::error_code error;
    std::filesystem::current_path(directory, error);
    if (error) {
        kimbly::expect_failed(fmt::format("Could not change the working directory to {}", directory.string()),
                              error.message());
    }
}

FullOptions read_config(const std::filesystem::path& path) {
    auto file = kimbly::expect([&] { return std::make_unique<tarnwick::FileSource>(path); }, "Could not open file");
    // Reading the bytes belongs to loading: a folder opens but cannot be read.
    return kimbly::expect([&] { return pakko::json::parse<FullOptions>(tarnwick::read_to_end(*file)); },
                          "Could not load config");
}

}  // namespace

std::optional<GameProcessor> configured_processor(Opt& opt) {
    if (!opt.config) return std::nullopt;
    opt.full_options = read_config(*opt.config);
    std::optional<GameProcessor> processor;
    if (opt.repeat) {
        auto log = kimbly::expect([&] { return std::make_unique<tarnwick::FileSource>(*opt.repeat); },
                                  "Failed to open game log file");
        processor.emplace(repeat_full(std::move(log), *opt.full_options));
    } else {
        processor.emplace(new_full(*opt.full_options));
    }
    if (opt.save_replay) {
        auto writer = kimbly::expect(
            [&] { return std::make_unique<pakko::FileWriter>(*opt.save_replay, REPLAY_BUFFER_SIZE); },
            "Failed to create replay file");
        auto handler = tarnwick::save_replay_tick_handler<Game>(std::move(writer));
        handler(nullptr, processor->strategy().game());
        processor->set_tick_handler(std::move(handler));
    }
    if (opt.save_results) processor->set_results_handler(tarnwick::results_writer<Game>(*opt.save_results));
    return processor;
}

std::optional<RunError> run_with(Opt opt, const FrontEnds& front_ends) {
    if (auto error = kimbly::logger::init_with_level(opt.log_level.value_or(kimbly::logger::LevelFilter::Info))) {
        kimbly::expect_failed("Failed to initialize logger", error->message());
    }
    if (opt.lang) kimbly::localization::set_locale(*opt.lang);
    if (opt.client_gen.target_dir) return front_ends.run_client_gen(opt.client_gen);

    enter_working_directory();
    std::optional<GameProcessor> processor = configured_processor(opt);

    if (opt.batch_mode) {
        if (!processor) kimbly::panic("Batch mode can only be used with --config option");
        while (!processor->strategy().finished()) processor->process_tick(nullptr);
        // Tears the players down now: TCP clients are told the game is over.
        processor.reset();
        return std::nullopt;
    }
    return front_ends.run_window(std::move(processor), opt);
}

std::variant<std::optional<RunError>, int> run(int argc, const char* const* argv, const FrontEnds& front_ends) {
    ParsedCommandLine parsed = parse_command_line(argc, argv);
    if (auto* status = std::get_if<int>(&parsed)) return *status;
    return run_with(std::get<Opt>(std::move(parsed)), front_ends);
}

int main(int argc, const char* const* argv, const FrontEnds& front_ends) {
    kimbly::install_terminate_handler();
    return kimbly::run_main([&] {
        auto outcome = run(argc, argv, front_ends);
        if (auto* status = std::get_if<int>(&outcome)) return *status;
        const auto& error = std::get<std::optional<RunError>>(outcome);
        if (!error) return 0;
        std::string text = "Error: ";
        for (std::size_t i = 0; i < error->causes.size(); ++i) {
            text += (i == 0 ? "" : "\n\nCaused by:\n    ") + error->causes[i];
        }
        std::fprintf(stderr, "%s\n", text.c_str());
        return 1;
    });
}

}  // namespace velmora
