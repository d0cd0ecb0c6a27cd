#pragma once
// The reference of the exchanged types as one Markdown file, in one
// language's texts with English or Russian headings.
#include <string>
#include <string_view>
#include <vector>

#include <pakko/schema.hpp>

#include "pakko_gen/gen_result.hpp"
#include "pakko_gen/markdown/options.hpp"

namespace pakko_gen::markdown {

// How a field's type is written: primitives by their wire names, named types
// in CamelCase, containers around their parts.
std::string type_name(const pakko::Schema& schema);

class Generator {
public:
    using Options = markdown::Options;

    Generator(std::string_view name, std::string_view version, Options options);

    void add_only(const pakko::Schema& schema);
    GenResult result() &&;

private:
    Options options_;
    std::vector<std::string> parts_;
};

}  // namespace pakko_gen::markdown
