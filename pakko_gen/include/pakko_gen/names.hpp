#pragma once
// How each target language names what a schema names: a table of renames of
// the primitive type words inside names, applied before a case view.
#include <array>
#include <span>
#include <string>
#include <string_view>

#include <pakko/names.hpp>
#include <pakko/schema.hpp>

namespace pakko_gen {

struct Rename {
    std::string_view from;
    std::string_view to;
};

using Renames = std::span<const Rename>;

namespace renames {

// C++, JavaScript, Ruby and Python.
inline constexpr std::array<Rename, 4> CPP{
    {{"Int32", "Int"}, {"Int64", "Long"}, {"Float32", "Float"}, {"Float64", "Double"}}};
// C# and D.
inline constexpr std::array<Rename, 5> CSHARP{
    {{"Int32", "Int"}, {"Int64", "Long"}, {"Float32", "Float"}, {"Float64", "Double"}, {"Params", "Parameters"}}};
inline constexpr std::array<Rename, 5> FSHARP{
    {{"Int32", "Int"}, {"Int64", "Long"}, {"Float32", "Single"}, {"Float64", "Double"}, {"Params", "Parameters"}}};
// Java, Kotlin and Scala: "Bool" first, so "Boolean" never comes from anything else.
inline constexpr std::array<Rename, 5> JVM{
    {{"Bool", "Boolean"}, {"Int32", "Int"}, {"Int64", "Long"}, {"Float32", "Float"}, {"Float64", "Double"}}};
inline constexpr std::array<Rename, 4> RUST{
    {{"Int32", "I32"}, {"Int64", "I64"}, {"Float32", "F32"}, {"Float64", "F64"}}};
// Go and Markdown keep names as they are.
inline constexpr std::array<Rename, 0> NONE{};

}  // namespace renames

// Every occurrence of each `from`, one rename after another in table order.
std::string apply_renames(std::string_view text, Renames table);

// The name a record, a one-of (its base name) or an enumeration declares;
// nullptr for every other kind.
const pakko::Name* declared_name(const pakko::Schema& schema);

// The case views of names after one language's renames.
class NameStyle {
public:
    constexpr explicit NameStyle(Renames table) : table_(table) {}

    std::string renamed(const pakko::Name& name) const { return apply_renames(name.raw(), table_); }
    std::string camel_case(const pakko::Name& name) const { return pakko::to_camel_case(renamed(name)); }
    std::string mixed_case(const pakko::Name& name) const { return pakko::to_mixed_case(renamed(name)); }
    std::string snake_case(const pakko::Name& name) const { return pakko::to_snake_case(renamed(name)); }
    std::string shouty_snake_case(const pakko::Name& name) const {
        return pakko::to_shouty_snake_case(renamed(name));
    }
    // The CamelCase view of declared_name; empty for a kind that declares none.
    std::string type_name(const pakko::Schema& schema) const {
        const auto* name = declared_name(schema);
        return name != nullptr ? camel_case(*name) : std::string();
    }

private:
    Renames table_;
};

// The CamelCase name of a record's name or of a one-of's or enumeration's
// base name; empty for every other kind.
std::string camel_type_name(const NameStyle& style, const pakko::Schema& schema);

}  // namespace pakko_gen
