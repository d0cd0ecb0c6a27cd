#pragma once
// What every client package shares: the options of a generation run, the
// steps of generating a package, and the writing of its fixed files.
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <pakko/describe.hpp>
#include <pakko/schema.hpp>
#include <pakko_gen/generator.hpp>

#include "tarnwick/debug.hpp"
#include "tarnwick/game.hpp"
#include "tarnwick/client_gen/process.hpp"
#include "tarnwick/lib/messages.hpp"

namespace tarnwick::client_gen {

struct ClientGenOptions {
    std::string name;
    std::filesystem::path target_dir;
    std::string version;
};

// Creates the parent directories, then writes `content` unchanged, truncating
// an existing file. Throws pakko::IoError.
void write_file(const std::filesystem::path& path, std::string_view content);

// "project_name" becomes the snake_case, then "ProjectName" the CamelCase
// form of the project name.
std::string substitute_names(std::string_view text, std::string_view project_name);

// One fixed file of a package: where it goes, relative to the package
// directory, and its text before the name substitution.
struct FixedFile {
    std::string path;
    std::string text;
};

// The program that a package's build made in the package directory under
// the project name, started there.
Command built_program(const ClientGenOptions& options);

// The schemas a client package is generated from, in the order they are added.
template <Game G>
std::vector<pakko::SchemaPtr> root_schemas() {
    return {pakko::Schema::of<ClientMessage<G>>(), pakko::Schema::of<ServerMessage<G>>(),
            pakko::Schema::of<DebugStateOf<G>>()};
}

// Writes the fixed files in order, each after the name substitution; the
// first failure is thrown and the files before it stay.
void write_fixed_files(const ClientGenOptions& options, std::span<const FixedFile> files);

// The common steps of generating a package: the model of the roots from
// generator G below `model_dir`, then the fixed files.
template <pakko_gen::Generator Gen>
void gen_package(const ClientGenOptions& options, std::string_view generator_name, typename Gen::Options gen_options,
                 const std::vector<pakko::SchemaPtr>& roots, const std::filesystem::path& model_dir,
                 std::span<const FixedFile> files) {
    pakko_gen::GenResult result = [&] {
        pakko_gen::GeneratorImpl<Gen> generator(generator_name, options.version, std::move(gen_options));
        for (const auto& root : roots) generator.add(*root);
        return std::move(generator).result();
    }();
    // Written file by file here, so that a failure names the file.
    for (const auto& file : result.files) write_file(options.target_dir / model_dir / file.path, file.content);
    write_fixed_files(options, files);
}

}  // namespace tarnwick::client_gen
