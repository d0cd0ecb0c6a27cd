#pragma once
// The JavaScript client package (Node.js) and the Ruby one (whose runner
// buffers its socket): the generated model, the runner, the debug interface
// and the strategy template. Their model generators take no options.
#include <string_view>
#include <vector>

#include <pakko/schema.hpp>
#include <pakko_gen/generator.hpp>

#include "tarnwick/client_gen/package.hpp"
#include "tarnwick/client_gen/script_client.hpp"

namespace tarnwick::client_gen {

// What sets one such package apart; `gen` writes its model and fixed files.
struct PlainScript {
    std::string_view name;
    std::string_view interpreter;
    std::string_view main_file;
    void (*gen)(const ClientGenOptions& options, const std::vector<pakko::SchemaPtr>& roots);
};

// Such a package in the form ScriptClient takes.
template <const PlainScript& S>
struct PlainScriptPackage {
    static constexpr std::string_view NAME = S.name;
    static constexpr std::string_view INTERPRETER = S.interpreter;
    static constexpr std::string_view MAIN_FILE = S.main_file;
    using GenOptions = pakko_gen::EmptyOptions;

    static void gen(const ClientGenOptions& options, GenOptions, const std::vector<pakko::SchemaPtr>& roots) {
        S.gen(options, roots);
    }
};

void gen_javascript_package(const ClientGenOptions& options, const std::vector<pakko::SchemaPtr>& roots);
void gen_ruby_package(const ClientGenOptions& options, const std::vector<pakko::SchemaPtr>& roots);

inline constexpr PlainScript JAVASCRIPT_PACKAGE{"JavaScript", "node", "index.js", gen_javascript_package};
inline constexpr PlainScript RUBY_PACKAGE{"Ruby", "ruby", "main.rb", gen_ruby_package};

template <Game G>
using JavaScriptClient = ScriptClient<G, PlainScriptPackage<JAVASCRIPT_PACKAGE>>;
template <Game G>
using RubyClient = ScriptClient<G, PlainScriptPackage<RUBY_PACKAGE>>;

}  // namespace tarnwick::client_gen
