#pragma once
// The Java model: a class per record, one-of and enumeration in the package
// `model`, and the stream helper util/StreamUtil.java.
#include <map>
#include <string>
#include <string_view>

#include <pakko/schema.hpp>

#include "pakko_gen/gen_result.hpp"
#include "pakko_gen/generator.hpp"

namespace pakko_gen::java {

class Generator {
public:
    using Options = EmptyOptions;

    Generator(std::string_view name, std::string_view version, Options options);

    void add_only(const pakko::Schema& schema);
    GenResult result() &&;

private:
    std::map<std::string, std::string> files_;
};

}  // namespace pakko_gen::java
