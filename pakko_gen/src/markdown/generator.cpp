#include "pakko_gen/markdown/generator.hpp"

#include <fmt/format.h>
#include <kimbly/panic.hpp>
#include <pakko/overloaded.hpp>

#include "pakko_gen/writer.hpp"

namespace pakko_gen::markdown {

namespace {

using S = pakko::Schema;

struct Headings {
    const char* fields;
    const char* one_of;
    const char* variants;
    const char* no_fields;
};

constexpr Headings ENGLISH{"Fields:", "One of:", "Variants:", "No fields"};
constexpr Headings RUSSIAN{"Поля:", "Варианты:", "Варианты:", "Нет полей"};

// Writes one type's section.
class Section {
public:
    explicit Section(const Options& options)
        : options_(options), headings_(options.language == "ru" ? RUSSIAN : ENGLISH) {}

    void header(const pakko::Name& name, const pakko::Documentation& docs) {
        writer_.line("## `", name.camel_case(), "`");
        writer_.line();
        writer_.line(text(docs, name.raw()));
        writer_.line();
    }

    void list_heading(const char* heading) {
        writer_.line(heading);
        writer_.line();
    }

    void fields(const pakko::Struct& record, const std::string& path) {
        for (const auto& field : record.fields) {
            writer_.line("- `", field.name.snake_case(), "`: `", type_name(*field.schema), "` - ",
                         text(field.documentation, path + "::" + field.name.raw()));
        }
    }

    void variants(const S::Enum& enumeration) {
        for (const auto& variant : enumeration.variants) {
            writer_.line("- `", variant.name.camel_case(), "` - ",
                         text(variant.documentation, enumeration.base_name.raw() + "::" + variant.name.raw()));
        }
    }

    void variants(const S::OneOf& one_of) {
        for (const auto& variant : one_of.variants) {
            auto path = one_of.base_name.raw() + "::" + variant.name.raw();
            writer_.line("- `", variant.name.camel_case(), "` - ", text(variant.documentation, path));
            writer_.line();
            writer_.indent();
            writer_.line(variant.fields.empty() ? headings_.no_fields : headings_.fields);
            writer_.line();
            fields(variant, path);
            writer_.unindent();
        }
    }

    const Headings& headings() const { return headings_; }
    std::string take_text() && { return std::move(writer_).take_text(); }

private:
    std::string text(const pakko::Documentation& docs, const std::string& path) const {
        if (auto found = docs.get(options_.language)) return *found;
        if (options_.require_docs) kimbly::panic(path + " not documented in " + debug_quoted(options_.language));
        return "TODO: document";
    }

    const Options& options_;
    Headings headings_;
    Writer writer_;
};

}  // namespace

std::string type_name(const pakko::Schema& schema) {
    return std::visit(pakko::Overloaded{
                          [](const S::Bool&) -> std::string { return "boolean"; },
                          [](const S::Int32&) -> std::string { return "int32"; },
                          [](const S::Int64&) -> std::string { return "int64"; },
                          [](const S::Float32&) -> std::string { return "float32"; },
                          [](const S::Float64&) -> std::string { return "float64"; },
                          [](const S::String&) -> std::string { return "string"; },
                          [](const pakko::Struct& record) { return record.name.camel_case(); },
                          [](const S::OneOf& one_of) { return one_of.base_name.camel_case(); },
                          [](const S::Enum& enumeration) { return enumeration.base_name.camel_case(); },
                          [](const S::Option& option) { return fmt::format("Option<{}>", type_name(*option.inner)); },
                          [](const S::Vec& vec) { return fmt::format("[{}]", type_name(*vec.element)); },
                          [](const S::Map& map) {
                              return fmt::format("Map<{} -> {}>", type_name(*map.key), type_name(*map.value));
                          },
                      },
                      schema.value);
}

Generator::Generator(std::string_view, std::string_view, Options options) : options_(std::move(options)) {}

void Generator::add_only(const pakko::Schema& schema) {
    Section section(options_);
    if (const auto* record = schema.get_if<pakko::Struct>()) {
        section.header(record->name, record->documentation);
        section.list_heading(section.headings().fields);
        section.fields(*record, record->name.raw());
    } else if (const auto* one_of = schema.get_if<S::OneOf>()) {
        section.header(one_of->base_name, one_of->documentation);
        section.list_heading(section.headings().one_of);
        section.variants(*one_of);
    } else if (const auto* enumeration = schema.get_if<S::Enum>()) {
        section.header(enumeration->base_name, enumeration->documentation);
        section.list_heading(section.headings().variants);
        section.variants(*enumeration);
    } else {
        return;
    }
    parts_.push_back(std::move(section).take_text());
}

GenResult Generator::result() && {
    std::string doc;
    for (std::size_t i = 0; i < parts_.size(); ++i) {
        if (i > 0) doc += "\n";
        doc += parts_[i];
    }
    GenResult result;
    result.add("doc.md", std::move(doc));
    return result;
}

}  // namespace pakko_gen::markdown
