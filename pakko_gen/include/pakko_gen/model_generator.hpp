#pragma once
// What the Java, Kotlin and Scala generators share: one file per record,
// one-of and enumeration, named after the type and starting from one fixed
// stream helper file, and the fields of a record joined into one text.
#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include <pakko/schema.hpp>

#include "pakko_gen/field_kinds.hpp"
#include "pakko_gen/gen_result.hpp"
#include "pakko_gen/generator.hpp"
#include "pakko_gen/locals.hpp"
#include "pakko_gen/templates.hpp"
#include "pakko_gen/variants.hpp"
#include "pakko_gen/writer.hpp"

namespace pakko_gen {

// `text` of each field, separated by ", ".
std::string join_fields(const pakko::Struct& record, const std::function<std::string(const pakko::Field&)>& text);

// The kinds of value a reader or writer handles differently. The primitives
// that the stream helper reads and writes in one call get its word for them
// ("Int" for readInt); records and one-ofs share one handler.
struct ValueKinds {
    std::function<void(std::string_view word)> primitive;
    std::function<void()> named;
    std::function<void(const pakko::Schema::Enum&)> enumeration;
    std::function<void(const pakko::Schema::Option&)> option;
    std::function<void(const pakko::Schema::Vec&)> vec;
    std::function<void(const pakko::Schema::Map&)> map;
};

void visit_value(const pakko::Schema& schema, const ValueKinds& kinds);

// How one language names its model files and writes each kind of type.
struct ModelLanguage {
    std::string_view folder;     // of the helper's template
    std::string_view helper;     // path of the stream helper file, below the folder too
    std::string_view extension;  // of the model files
    std::string_view end;        // how a statement ends
    std::string (*class_name)(const pakko::Schema& schema);
    WriteStruct write_struct;
    void (*write_one_of)(Writer& writer, const std::string& name, const pakko::Schema::OneOf& one_of);
    void (*write_enum)(Writer& writer, const std::string& name, const pakko::Schema::Enum& enumeration);
};

// A generator that writes "model/" + class name + extension per record,
// one-of and enumeration, each in the package "model" importing the stream
// helper util.StreamUtil, and starts from the language's stream helper.
template <const ModelLanguage& L>
class ModelGenerator {
public:
    using Options = EmptyOptions;

    ModelGenerator(std::string_view, std::string_view, Options) {
        files_[std::string(L.helper)] = std::string(template_text(std::string(L.folder) + "/" + std::string(L.helper)));
    }

    void add_only(const pakko::Schema& schema) {
        auto name = L.class_name(schema);
        if (name.empty()) return;
        Writer writer;
        writer.line("package model", L.end);
        writer.line();
        writer.line("import util.StreamUtil", L.end);
        writer.line();
        visit_declared(
            schema, [&](const pakko::Struct& record) { L.write_struct(writer, record, std::nullopt); },
            [&](const pakko::Schema::OneOf& one_of) { L.write_one_of(writer, name, one_of); },
            [&](const pakko::Schema::Enum& enumeration) { L.write_enum(writer, name, enumeration); });
        files_["model/" + name + std::string(L.extension)] = std::move(writer).take_text();
    }

    GenResult result() && {
        GenResult result;
        for (auto& [path, content] : files_) result.add(path, std::move(content));
        return result;
    }

private:
    std::map<std::string, std::string> files_;
};

}  // namespace pakko_gen
