#pragma once
// A parsed JSON document that keeps every object member in its order, repeated
// keys included, so that readers can reject a repeated field of a record and
// still let a map keep the later of two equal keys. Free of the JSON library's
// headers, so that Traits declarations stay cheap to compile.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace pakko::json {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Value {
public:
    enum class Type { Null, Bool, Integer, Unsigned, Float, String, Array, Object };

    // Throws Error on malformed text or on nesting deeper than MAX_DEPTH.
    static Value parse(std::string_view text);
    static constexpr std::size_t MAX_DEPTH = 256;

    Type type = Type::Null;
    bool boolean = false;
    std::int64_t integer = 0;            // Integer: negative numbers
    std::uint64_t unsigned_integer = 0;  // Unsigned: non-negative integers
    double number = 0;                   // Float
    std::string string;                  // String
    std::vector<Value> items;            // Array elements, or Object member values
    std::vector<std::string> keys;       // Object member keys, parallel to items

    bool is_null() const noexcept { return type == Type::Null; }
    bool is_bool() const noexcept { return type == Type::Bool; }
    bool is_string() const noexcept { return type == Type::String; }
    bool is_array() const noexcept { return type == Type::Array; }
    bool is_object() const noexcept { return type == Type::Object; }
    bool is_number() const noexcept {
        return type == Type::Integer || type == Type::Unsigned || type == Type::Float;
    }
    // The number as a double (any of the three number types).
    double as_double() const noexcept;
    // The first member named `key`, or nullptr.
    const Value* find(std::string_view key) const noexcept;

    // "integer `-1`", "string \"a\"", "map" and so on, for error messages.
    std::string describe() const;
};

[[noreturn]] void throw_invalid_type(const Value& value, std::string_view expected);
[[noreturn]] void throw_invalid_value(const Value& value, std::string_view expected);
[[noreturn]] void throw_invalid_length(std::size_t length, std::string_view expected);
[[noreturn]] void throw_missing_field(std::string_view key);
[[noreturn]] void throw_duplicate_field(std::string_view key);
[[noreturn]] void throw_unknown_variant(std::string_view name, const std::vector<std::string_view>& expected);
// "struct Options with 7 elements" ("1 element" when singular).
std::string struct_with_elements(std::string_view name, std::size_t count);

}  // namespace pakko::json
