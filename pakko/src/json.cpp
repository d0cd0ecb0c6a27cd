// The only translation unit of the package that parses JSON text.
#include "pakko/json.hpp"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace pakko::json {

namespace {

// Builds a Value tree from parser events, keeping repeated keys.
class TreeBuilder {
public:
    using json = nlohmann::json;

    explicit TreeBuilder(Value& root) : root_(root) {}

    bool null() { return put(Value{}); }
    bool boolean(bool b) {
        Value v;
        v.type = Value::Type::Bool;
        v.boolean = b;
        return put(std::move(v));
    }
    bool number_integer(json::number_integer_t n) {
        Value v;
        if (n < 0) {
            v.type = Value::Type::Integer;
            v.integer = n;
        } else {
            v.type = Value::Type::Unsigned;
            v.unsigned_integer = static_cast<std::uint64_t>(n);
        }
        return put(std::move(v));
    }
    bool number_unsigned(json::number_unsigned_t n) {
        Value v;
        v.type = Value::Type::Unsigned;
        v.unsigned_integer = n;
        return put(std::move(v));
    }
    bool number_float(json::number_float_t n, const json::string_t&) {
        Value v;
        v.type = Value::Type::Float;
        v.number = n;
        return put(std::move(v));
    }
    bool string(json::string_t& s) {
        Value v;
        v.type = Value::Type::String;
        v.string = std::move(s);
        return put(std::move(v));
    }
    bool binary(json::binary_t&) { throw Error("binary values are not JSON text"); }
    bool start_object(std::size_t) { return open(Value::Type::Object); }
    bool key(json::string_t& k) {
        stack_.back()->keys.push_back(std::move(k));
        return true;
    }
    bool end_object() { return close(); }
    bool start_array(std::size_t) { return open(Value::Type::Array); }
    bool end_array() { return close(); }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& error) {
        std::string message = error.what();
        // Drop the library's "[json.exception...] " prefix.
        if (auto end = message.find("] "); !message.empty() && message[0] == '[' && end != std::string::npos) {
            message.erase(0, end + 2);
        }
        throw Error(message);
    }

private:
    bool put(Value value) {
        if (stack_.empty()) {
            root_ = std::move(value);
        } else {
            stack_.back()->items.push_back(std::move(value));
        }
        return true;
    }
    bool open(Value::Type type) {
        if (stack_.size() >= Value::MAX_DEPTH) throw Error("JSON nesting is deeper than " + std::to_string(Value::MAX_DEPTH));
        Value v;
        v.type = type;
        Value* slot;
        if (stack_.empty()) {
            root_ = std::move(v);
            slot = &root_;
        } else {
            stack_.back()->items.push_back(std::move(v));
            slot = &stack_.back()->items.back();
        }
        stack_.push_back(slot);
        return true;
    }
    bool close() {
        stack_.pop_back();
        return true;
    }

    Value& root_;
    std::vector<Value*> stack_;
};

}  // namespace

Value Value::parse(std::string_view text) {
    Value root;
    TreeBuilder builder(root);
    nlohmann::json::sax_parse(text.begin(), text.end(), &builder);
    return root;
}

double Value::as_double() const noexcept {
    switch (type) {
        case Type::Integer: return static_cast<double>(integer);
        case Type::Unsigned: return static_cast<double>(unsigned_integer);
        case Type::Float: return number;
        default: return 0;
    }
}

const Value* Value::find(std::string_view key) const noexcept {
    if (type != Type::Object) return nullptr;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i] == key) return &items[i];
    }
    return nullptr;
}

std::string Value::describe() const {
    switch (type) {
        case Type::Null: return "null";
        case Type::Bool: return boolean ? "boolean `true`" : "boolean `false`";
        case Type::Integer: return "integer `" + std::to_string(integer) + "`";
        case Type::Unsigned: return "integer `" + std::to_string(unsigned_integer) + "`";
        case Type::Float: return "floating point `" + nlohmann::json(number).dump() + "`";
        case Type::String: return "string " + nlohmann::json(string).dump();
        case Type::Array: return "sequence";
        case Type::Object: return "map";
    }
    return "value";
}

void throw_invalid_type(const Value& value, std::string_view expected) {
    throw Error("invalid type: " + value.describe() + ", expected " + std::string(expected));
}

void throw_invalid_value(const Value& value, std::string_view expected) {
    throw Error("invalid value: " + value.describe() + ", expected " + std::string(expected));
}

void throw_invalid_length(std::size_t length, std::string_view expected) {
    throw Error("invalid length " + std::to_string(length) + ", expected " + std::string(expected));
}

void throw_missing_field(std::string_view key) { throw Error("missing field `" + std::string(key) + "`"); }

void throw_duplicate_field(std::string_view key) { throw Error("duplicate field `" + std::string(key) + "`"); }

void throw_unknown_variant(std::string_view name, const std::vector<std::string_view>& expected) {
    std::string message = "unknown variant `" + std::string(name) + "`, expected one of ";
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (i) message += ", ";
        message += '`';
        message += expected[i];
        message += '`';
    }
    throw Error(message);
}

std::string struct_with_elements(std::string_view name, std::size_t count) {
    return "struct " + std::string(name) + " with " + std::to_string(count) + (count == 1 ? " element" : " elements");
}

nlohmann::ordered_json float_to_json(float value) {
    if (!std::isfinite(value)) return nullptr;
    // The JSON library prints doubles; hand it the double nearest to the
    // float's shortest text so that 0.1f comes out as 0.1, not 0.100000001.
    char text[32];
    auto written = std::to_chars(text, text + sizeof text, value);
    double shortest = 0;
    std::from_chars(text, written.ptr, shortest);
    return shortest;
}

nlohmann::ordered_json double_to_json(double value) {
    if (!std::isfinite(value)) return nullptr;
    return value;
}

Value from_library(const nlohmann::ordered_json& document) {
    Value v;
    switch (document.type()) {
        case nlohmann::ordered_json::value_t::null:
        case nlohmann::ordered_json::value_t::discarded: break;
        case nlohmann::ordered_json::value_t::boolean:
            v.type = Value::Type::Bool;
            v.boolean = document.get<bool>();
            break;
        case nlohmann::ordered_json::value_t::number_integer: {
            auto n = document.get<std::int64_t>();
            if (n < 0) {
                v.type = Value::Type::Integer;
                v.integer = n;
            } else {
                v.type = Value::Type::Unsigned;
                v.unsigned_integer = static_cast<std::uint64_t>(n);
            }
            break;
        }
        case nlohmann::ordered_json::value_t::number_unsigned:
            v.type = Value::Type::Unsigned;
            v.unsigned_integer = document.get<std::uint64_t>();
            break;
        case nlohmann::ordered_json::value_t::number_float:
            v.type = Value::Type::Float;
            v.number = document.get<double>();
            break;
        case nlohmann::ordered_json::value_t::string:
            v.type = Value::Type::String;
            v.string = document.get<std::string>();
            break;
        case nlohmann::ordered_json::value_t::binary: throw Error("binary values are not JSON text");
        case nlohmann::ordered_json::value_t::array:
            v.type = Value::Type::Array;
            for (const auto& item : document) v.items.push_back(from_library(item));
            break;
        case nlohmann::ordered_json::value_t::object:
            v.type = Value::Type::Object;
            for (const auto& [key, item] : document.items()) {
                v.keys.push_back(key);
                v.items.push_back(from_library(item));
            }
            break;
    }
    return v;
}

namespace detail {

std::int32_t int32_from_key(std::string_view key) {
    std::int32_t n = 0;
    auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), n);
    if (key.empty() || error != std::errc() || end != key.data() + key.size()) {
        throw Error("invalid map key \"" + std::string(key) + "\", expected a 32-bit integer");
    }
    return n;
}

std::uint64_t size_from_key(std::string_view key) {
    std::uint64_t n = 0;
    auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), n);
    if (key.empty() || key[0] == '-' || error != std::errc() || end != key.data() + key.size()) {
        throw Error("invalid map key \"" + std::string(key) + "\", expected a non-negative integer");
    }
    return n;
}

}  // namespace detail

}  // namespace pakko::json
