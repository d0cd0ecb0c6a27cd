#pragma once
// The C++ model: a header per record, one-of and enumeration, a source file
// per record and one-of, an umbrella header, and the stream helpers.
#include <string>
#include <string_view>

#include <pakko/schema.hpp>

#include "pakko_gen/gen_result.hpp"
#include "pakko_gen/generator.hpp"

namespace pakko_gen::cpp {

class Generator {
public:
    using Options = EmptyOptions;

    Generator(std::string_view name, std::string_view version, Options options);

    void add_only(const pakko::Schema& schema);
    GenResult result() &&;

private:
    void add_struct(const pakko::Schema& schema, const pakko::Struct& record);
    void add_one_of(const pakko::Schema& schema, const pakko::Schema::OneOf& one_of);
    void add_enum(const pakko::Schema::Enum& enumeration);

    GenResult files_;
    std::string model_header_;
};

}  // namespace pakko_gen::cpp
