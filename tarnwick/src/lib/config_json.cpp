// JSON forms of the configuration's values that no record describes.
#include <cstdint>
#include <limits>

#include <pakko/json.hpp>

#include "tarnwick/lib/full_options.hpp"
#include "tarnwick/player/tcp.hpp"

nlohmann::ordered_json pakko::Traits<tarnwick::player::EmptyPlayerOptions>::to_json(
    const tarnwick::player::EmptyPlayerOptions&) {
    return nullptr;
}

tarnwick::player::EmptyPlayerOptions pakko::Traits<tarnwick::player::EmptyPlayerOptions>::from_json(
    const pakko::json::Value& value) {
    if (!value.is_null()) pakko::json::throw_invalid_type(value, "unit struct EmptyPlayerOptions");
    return {};
}

nlohmann::ordered_json pakko::Traits<std::uint16_t>::to_json(std::uint16_t value) {
    return nlohmann::ordered_json(value);
}

std::uint16_t pakko::Traits<std::uint16_t>::from_json(const pakko::json::Value& value) {
    if (value.type == pakko::json::Value::Type::Unsigned &&
        value.unsigned_integer <= std::numeric_limits<std::uint16_t>::max()) {
        return static_cast<std::uint16_t>(value.unsigned_integer);
    }
    if (value.is_number()) pakko::json::throw_invalid_value(value, "a 16-bit unsigned integer");
    pakko::json::throw_invalid_type(value, "a 16-bit unsigned integer");
}
