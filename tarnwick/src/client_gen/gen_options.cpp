#include "tarnwick/client_gen/gen_options.hpp"

namespace tarnwick::client_gen {

pakko_gen::EmptyOptions GenOptionsTraits<pakko_gen::EmptyOptions>::from_json(const pakko::json::Value& value) {
    if (!value.is_null()) pakko::json::throw_invalid_type(value, "unit");
    return {};
}

}  // namespace tarnwick::client_gen
