#pragma once
// The results file of a finished match.
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include <kimbly/panic.hpp>
#include <pakko/file_io.hpp>
#include <pakko/json.hpp>

#include "tarnwick/lib/results.hpp"
#include "tarnwick/processor/game_processor.hpp"

namespace tarnwick {

inline constexpr std::string_view CREATE_RESULTS_FAILED = "Failed to create results file";
inline constexpr std::string_view WRITE_RESULTS_FAILED = "Failed to write results";
inline constexpr std::size_t RESULTS_BUFFER_SIZE = 8192;

// Writes the results in their pretty JSON form, creating or truncating the
// file when they arrive, so an unfinished match leaves no file. The flush is
// checked: a full disk must stop the program, not leave an empty file behind
// a successful exit.
template <class Results>
void write_results(const std::filesystem::path& path, const FullResults<Results>& results) {
    auto writer = kimbly::expect([&] { return std::make_unique<pakko::FileWriter>(path, RESULTS_BUFFER_SIZE); },
                                 CREATE_RESULTS_FAILED);
    kimbly::expect(
        [&] {
            const std::string text = pakko::json::dump(results);
            writer->write_all(std::as_bytes(std::span(text.data(), text.size())));
            writer->flush();
        },
        WRITE_RESULTS_FAILED);
}

template <Game G>
processor::ResultsHandler<G> results_writer(std::filesystem::path path) {
    return [path = std::move(path)](FullResults<ResultsOf<G>> results) { write_results(path, results); };
}

}  // namespace tarnwick
