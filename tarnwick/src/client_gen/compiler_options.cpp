#include "tarnwick/client_gen/compiler_options.hpp"

#include <algorithm>
#include <vector>

namespace tarnwick::client_gen::compiler_options {

namespace {

namespace json = pakko::json;

std::size_t index_of(const std::string& name, std::span<const std::string_view> names) {
    auto found = std::find(names.begin(), names.end(), name);
    if (found == names.end()) {
        json::throw_unknown_variant(name, std::vector<std::string_view>(names.begin(), names.end()));
    }
    return static_cast<std::size_t>(found - names.begin());
}

std::size_t parse_variant(const json::Value& value, std::span<const std::string_view> names) {
    if (value.is_string()) return index_of(value.string, names);
    if (!value.is_object()) json::throw_invalid_type(value, "enum Compiler");
    if (value.keys.size() != 1) json::throw_invalid_type(value, "map with a single key");
    auto index = index_of(value.keys[0], names);
    if (!value.items[0].is_null()) json::throw_invalid_type(value.items[0], "unit variant");
    return index;
}

void parse_pakko(const json::Value& value) { GenOptionsTraits<pakko_gen::EmptyOptions>::from_json(value); }

}  // namespace

std::size_t parse(const json::Value& value, std::span<const std::string_view> names) {
    std::size_t compiler = 0;
    if (value.is_array()) {
        if (value.items.size() > 2) {
            json::throw_invalid_length(value.items.size(), json::struct_with_elements("GenOptions", 2));
        }
        if (!value.items.empty()) compiler = parse_variant(value.items[0], names);
        if (value.items.size() > 1) parse_pakko(value.items[1]);
        return compiler;
    }
    if (!value.is_object()) json::throw_invalid_type(value, "struct GenOptions");
    bool seen_compiler = false;
    bool seen_pakko = false;
    for (std::size_t i = 0; i < value.keys.size(); ++i) {
        const auto& key = value.keys[i];
        if (key == "compiler") {
            if (seen_compiler) json::throw_duplicate_field(key);
            seen_compiler = true;
            compiler = parse_variant(value.items[i], names);
        } else if (key == "pakko") {
            if (seen_pakko) json::throw_duplicate_field(key);
            seen_pakko = true;
            parse_pakko(value.items[i]);
        }
    }
    return compiler;
}

std::string debug_form(std::string_view compiler_name) {
    return "GenOptions {\n    compiler: " + std::string(compiler_name) + ",\n    pakko: (),\n}";
}

}  // namespace tarnwick::client_gen::compiler_options
