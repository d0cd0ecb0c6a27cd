#include "tarnwick/client_gen/markdown_package.hpp"

#include <array>

#include <pakko/json.hpp>
#include <pakko_gen/markdown/generator.hpp>

#include "tarnwick/client_gen/error.hpp"
#include "tarnwick/client_gen/templates.hpp"

namespace tarnwick::client_gen {

pakko_gen::markdown::Options GenOptionsTraits<pakko_gen::markdown::Options>::from_json(
    const pakko::json::Value& value) {
    return pakko::json::from_json<pakko_gen::markdown::Options>(value);
}

namespace markdown_package {

void gen(const ClientGenOptions& options, const pakko_gen::markdown::Options& markdown,
         const std::vector<pakko::SchemaPtr>& roots) {
    // Only these languages have an introduction; any other writes the reference alone.
    std::vector<FixedFile> intro;
    if (markdown.language == "en" || markdown.language == "ru") {
        intro.push_back({"api-intro.md", std::string(client_template("markdown/api-intro." + markdown.language + ".md"))});
    }
    gen_package<pakko_gen::markdown::Generator>(options, options.name, markdown, roots, ".", intro);
}

void not_runnable() { throw Error("The Markdown package is never built or run"); }

}  // namespace markdown_package

}  // namespace tarnwick::client_gen
