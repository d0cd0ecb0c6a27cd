#pragma once
// The D model: the stream module, one module per record, one-of and
// enumeration, and the package module that imports them all.
#include <string>
#include <string_view>

#include <pakko/schema.hpp>

#include "pakko_gen/gen_result.hpp"
#include "pakko_gen/generator.hpp"

namespace pakko_gen::dlang {

class Generator {
public:
    using Options = EmptyOptions;

    Generator(std::string_view name, std::string_view version, Options options);

    void add_only(const pakko::Schema& schema);
    GenResult result() &&;

private:
    void add_struct(const pakko::Struct& record);
    void add_one_of(const pakko::Schema::OneOf& one_of);
    void add_enum(const pakko::Schema::Enum& enumeration);
    void add_module(const pakko::Name& name, std::string text);

    GenResult files_;
    std::string model_package_;
};

}  // namespace pakko_gen::dlang
