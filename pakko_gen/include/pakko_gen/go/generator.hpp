#pragma once
// The Go model: the stream package and one file of the package "model" per
// record, one-of and enumeration.
#include <string>
#include <string_view>

#include <pakko/schema.hpp>

#include "pakko_gen/gen_result.hpp"
#include "pakko_gen/generator.hpp"

namespace pakko_gen::go {

class Generator {
public:
    using Options = EmptyOptions;

    // `name` is the module path under which the model imports the stream
    // package, kept as given.
    Generator(std::string_view name, std::string_view version, Options options);

    void add_only(const pakko::Schema& schema);
    GenResult result() &&;

private:
    void add_struct(const pakko::Struct& record);
    void add_one_of(const pakko::Schema::OneOf& one_of);
    void add_enum(const pakko::Schema::Enum& enumeration);

    std::string module_path_;
    GenResult files_;
};

}  // namespace pakko_gen::go
