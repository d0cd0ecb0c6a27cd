#pragma once
// Identifier case conversion, shared by schema names and the code generators.
// An identifier is split into words (runs of letters, digits and underscores),
// each word into sub-words at underscores and case changes ("ABCDef" gives
// "ABC" and "Def"), and the sub-words are cased and joined.
#include <string>
#include <string_view>
#include <vector>

namespace pakko {

std::vector<std::string> split_identifier(std::string_view identifier);

std::string to_camel_case(std::string_view identifier);        // UpperCamelCase
std::string to_mixed_case(std::string_view identifier);        // lowerCamelCase
std::string to_snake_case(std::string_view identifier);        // snake_case
std::string to_shouty_snake_case(std::string_view identifier); // SHOUTY_SNAKE_CASE

// A type or field name, always held in UpperCamelCase.
class Name {
public:
    Name() = default;
    // Converts `identifier` to UpperCamelCase.
    explicit Name(std::string_view identifier) : text_(to_camel_case(identifier)) {}
    static Name create(std::string_view identifier) { return Name(identifier); }

    std::string raw() const { return text_; }
    const std::string& text() const noexcept { return text_; }
    std::string camel_case() const { return to_camel_case(text_); }
    std::string mixed_case() const { return to_mixed_case(text_); }
    std::string snake_case() const { return to_snake_case(text_); }
    std::string shouty_snake_case() const { return to_shouty_snake_case(text_); }

    friend bool operator==(const Name&, const Name&) = default;

private:
    std::string text_;
};

}  // namespace pakko
