#pragma once
// The Markdown documentation package: the reference of the exchanged types
// and, for English and Russian, an introduction to the API. Nothing in it is
// built or run.
#include <string_view>
#include <vector>

#include <pakko/json_value.hpp>
#include <pakko/schema.hpp>
#include <pakko_gen/markdown/options.hpp>

#include "tarnwick/client_gen/gen_options.hpp"
#include "tarnwick/client_gen/package.hpp"
#include "tarnwick/client_gen/process.hpp"
#include "tarnwick/game.hpp"

namespace tarnwick::client_gen {

// Both keys are required: null or {} is rejected.
template <>
struct GenOptionsTraits<pakko_gen::markdown::Options> {
    static pakko_gen::markdown::Options from_json(const pakko::json::Value& value);
    static std::string debug_form(const pakko_gen::markdown::Options& options) {
        return pakko_gen::markdown::debug_text(options);
    }
};

namespace markdown_package {

void gen(const ClientGenOptions& options, const pakko_gen::markdown::Options& markdown,
         const std::vector<pakko::SchemaPtr>& roots);
// There is nothing to build or run; the harness never asks.
[[noreturn]] void not_runnable();

}  // namespace markdown_package

template <Game G>
struct MarkdownClient {
    static constexpr std::string_view NAME = "Markdown";
    static constexpr bool GENERATED_ONLY = true;
    using GenOptions = pakko_gen::markdown::Options;

    static void gen(const ClientGenOptions& options, const GenOptions& markdown) {
        markdown_package::gen(options, markdown, root_schemas<G>());
    }
    static void build_local(const ClientGenOptions&) { markdown_package::not_runnable(); }
    static Command run_local(const ClientGenOptions&) { markdown_package::not_runnable(); }
};

}  // namespace tarnwick::client_gen
