#pragma once
// The options of the documentation generator: which language's texts it
// writes, and whether a missing text stops it.
#include <string>
#include <string_view>

#include <pakko/describe.hpp>

namespace pakko_gen::markdown {

struct Options {
    std::string language = "en";
    bool require_docs = false;
    bool operator==(const Options&) const = default;
};

// Both keys are required in the JSON form; there are no defaults there.
constexpr auto pakko_describe(pakko::Tag<Options>) {
    return pakko::record<Options>("Options", pakko::no_doc(), pakko::field("language", &Options::language),
                                  pakko::field("require_docs", &Options::require_docs));
}

// A text as a debug form shows it: in double quotes, with backslash escapes.
std::string debug_quoted(std::string_view text);

// "Options {\n    language: \"en\",\n    require_docs: false,\n}"
std::string debug_text(const Options& options);

}  // namespace pakko_gen::markdown
