#pragma once
// The JavaScript model: a CommonJS module per record, one-of and enumeration
// under model/, an index module that exports them all, and the stream helper.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include <pakko/schema.hpp>

#include "pakko_gen/module_generator.hpp"
#include "pakko_gen/locals.hpp"
#include "pakko_gen/names.hpp"
#include "pakko_gen/writer.hpp"

namespace pakko_gen::javascript {

inline constexpr NameStyle NAMES{renames::CPP};

// The module file of a type, without folder and extension: the snake_case
// name with hyphens for underscores.
std::string file_name(const pakko::Name& name);

// What sets the JavaScript model apart in ModuleGenerator.
struct Model {
    static constexpr std::string_view HELPER_PATH = "stream-wrapper.js";
    static constexpr std::string_view HELPER_TEMPLATE = "javascript/stream-wrapper.js";
    static constexpr std::string_view INDEX_PATH = "model/index.js";
    static constexpr bool EMPTY_INDEX = true;

    static std::string module_path(const pakko::Schema& schema);
    static std::string index_line(const pakko::Schema& schema);
    static void write_module(Writer& writer, const pakko::Schema& schema, std::string_view project);
};

using Generator = ModuleGenerator<Model>;

// The require lines of a record's or a one-of's module, each module once;
// enumerations need none.
void write_imports(Writer& writer, const pakko::Schema& schema);

// One class. A variant (`base` set) extends its base class, writes its TAG
// first and is attached to the base class.
void write_struct(Writer& writer, const pakko::Struct& record, const std::optional<pakko::Name>& base,
                  std::size_t tag);

namespace statements {

// Statements that read one value of `schema` into the local `target`.
void assign(Writer& writer, std::string_view target, const pakko::Schema& schema, LoopCounter& loops);
// Statements that write the value of the expression `value`.
void write(Writer& writer, std::string_view value, const pakko::Schema& schema);

}  // namespace statements

}  // namespace pakko_gen::javascript
