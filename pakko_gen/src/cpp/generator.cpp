#include "pakko_gen/cpp/generator.hpp"

#include "pakko_gen/cpp/declarations.hpp"
#include "pakko_gen/cpp/implementation.hpp"
#include "pakko_gen/cpp/names.hpp"
#include "pakko_gen/templates.hpp"
#include "pakko_gen/writer.hpp"

namespace pakko_gen::cpp {

namespace {

void open_guard(Writer& writer, const pakko::Name& name) {
    auto guard = "_MODEL_" + NAMES.shouty_snake_case(name) + "_HPP_";
    writer.line("#ifndef ", guard);
    writer.line("#define ", guard);
    writer.line();
}

void close_guard(Writer& writer) {
    writer.line();
    writer.line("#endif");
}

}  // namespace

Generator::Generator(std::string_view, std::string_view, Options) {
    for (std::string path : {"Stream.hpp", "Stream.cpp"}) {
        files_.add(path, std::string(template_text("cpp/" + path)));
    }
    model_header_ = "#ifndef _MODEL_HPP_\n#define _MODEL_HPP_\n\n";
}

void Generator::add_only(const pakko::Schema& schema) {
    if (const auto* record = schema.get_if<pakko::Struct>()) {
        add_struct(schema, *record);
    } else if (const auto* one_of = schema.get_if<pakko::Schema::OneOf>()) {
        add_one_of(schema, *one_of);
    } else if (const auto* enumeration = schema.get_if<pakko::Schema::Enum>()) {
        add_enum(*enumeration);
    } else {
        return;
    }
    model_header_ += "#include \"" + class_name(schema) + ".hpp\"\n";
}

void Generator::add_struct(const pakko::Schema& schema, const pakko::Struct& record) {
    auto name = class_name(schema);
    Writer header;
    open_guard(header, record.name);
    write_includes(header, schema);
    header.line();
    write_struct_def(header, schema, record, std::nullopt);
    close_guard(header);
    files_.add("model/" + name + ".hpp", std::move(header).take_text());

    Writer source;
    source.line("#include \"", name, ".hpp\"");
    source.line();
    write_struct_impl(source, schema, record, std::nullopt);
    files_.add("model/" + name + ".cpp", std::move(source).take_text());
}

void Generator::add_one_of(const pakko::Schema& schema, const pakko::Schema::OneOf& one_of) {
    auto base = class_name(schema);
    Writer header;
    open_guard(header, one_of.base_name);
    header.line("#include <memory>");
    write_includes(header, schema);
    header.line();
    header.line("class ", base, " {");
    header.line("public:");
    header.indent();
    for (const auto& variant : one_of.variants) header.line("class ", NAMES.camel_case(variant.name), ";");
    header.line();
    header.line("static std::shared_ptr<", base, "> readFrom(InputStream& stream);");
    header.line("virtual void writeTo(OutputStream& stream) const = 0;");
    header.unindent();
    header.line("};");
    for (std::size_t tag = 0; tag < one_of.variants.size(); ++tag) {
        header.line();
        write_struct_def(header, schema, one_of.variants[tag], VariantOf{base, tag});
    }
    close_guard(header);
    files_.add("model/" + base + ".hpp", std::move(header).take_text());

    Writer source;
    source.line("#include \"", base, ".hpp\"");
    source.line("#include <stdexcept>");
    for (const auto& variant : one_of.variants) {
        source.line();
        write_struct_impl(source, schema, variant, base);
    }
    write_tag_dispatcher(source, one_of);
    files_.add("model/" + base + ".cpp", std::move(source).take_text());
}

void Generator::add_enum(const pakko::Schema::Enum& enumeration) {
    auto name = NAMES.camel_case(enumeration.base_name);
    Writer header;
    open_guard(header, enumeration.base_name);
    header.line("#include \"../Stream.hpp\"");
    header.line();
    header.line("enum ", name, " {");
    header.indent();
    for (std::size_t k = 0; k < enumeration.variants.size(); ++k) {
        bool last = k + 1 == enumeration.variants.size();
        header.line(NAMES.shouty_snake_case(enumeration.variants[k].name), " = ", std::to_string(k), last ? "" : ",");
    }
    header.unindent();
    header.line("};");
    close_guard(header);
    files_.add("model/" + name + ".hpp", std::move(header).take_text());
}

GenResult Generator::result() && {
    model_header_ += "\n#endif\n";
    files_.add("model/Model.hpp", std::move(model_header_));
    return std::move(files_);
}

}  // namespace pakko_gen::cpp
