#pragma once
// The Rust model: a library package whose types derive their binary form
// from the `pakko` crate, so no reader or writer is generated.
#include <string>
#include <string_view>

#include <pakko/schema.hpp>

#include "pakko_gen/gen_result.hpp"
#include "pakko_gen/generator.hpp"
#include "pakko_gen/names.hpp"

namespace pakko_gen::rust {

// Int32 to I32, Int64 to I64, Float32 to F32, Float64 to F64, anywhere in a
// name, before its case view.
inline constexpr NameStyle NAMES{renames::RUST};

// The version of the `pakko` crate the package depends on.
inline constexpr std::string_view PAKKO_VERSION = "0.4.0-alpha.3";

// The Rust type that holds a value of the schema.
std::string type_name(const pakko::Schema& schema);

class Generator {
public:
    using Options = EmptyOptions;

    // `name` and `version` are the package's, written into its manifest.
    Generator(std::string_view name, std::string_view version, Options options);

    void add_only(const pakko::Schema& schema);
    GenResult result() &&;

private:
    GenResult files_;
    std::string lib_rs_;
};

}  // namespace pakko_gen::rust
