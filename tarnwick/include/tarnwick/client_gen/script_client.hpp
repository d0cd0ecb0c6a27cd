#pragma once
// Client packages that need no build step: their interpreter runs the
// sources as generated. Each language gives its name, options, interpreter,
// main file and how it generates its package.
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tarnwick/client_gen/package.hpp"
#include "tarnwick/client_gen/process.hpp"
#include "tarnwick/game.hpp"

namespace tarnwick::client_gen {

// What sets one such package's fixed files apart from another's.
struct ScriptFiles {
    std::string_view folder;      // of its stored templates
    std::string_view dockerfile;  // the stored Dockerfile's path
    std::string_view strategy_file;  // at the package's top
    std::span<const std::string_view> build_lines;
    std::string_view start_command;
    std::span<const std::string_view> sources;  // stored in `folder`, written in this order
};

// The Dockerfile, compile.sh, run.sh, then the sources.
std::vector<FixedFile> script_package_files(const ScriptFiles& files);

template <Game G, class Package>
struct ScriptClient {
    static constexpr std::string_view NAME = Package::NAME;
    using GenOptions = typename Package::GenOptions;

    static void gen(const ClientGenOptions& options, GenOptions gen_options) {
        Package::gen(options, std::move(gen_options), root_schemas<G>());
    }
    static void build_local(const ClientGenOptions&) {}
    // The interpreter with the main file, in the package directory.
    static Command run_local(const ClientGenOptions& options) {
        return Command{std::string(Package::INTERPRETER), {std::string(Package::MAIN_FILE)}, options.target_dir};
    }
};

}  // namespace tarnwick::client_gen
