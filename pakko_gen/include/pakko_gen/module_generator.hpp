#pragma once
// Generators whose model is a module per record, one-of and enumeration, in
// the order their types were added, with an index that names the modules
// and a fixed stream helper where the language has them.
#include <string>
#include <string_view>

#include <pakko/schema.hpp>

#include "pakko_gen/gen_result.hpp"
#include "pakko_gen/generator.hpp"
#include "pakko_gen/names.hpp"
#include "pakko_gen/templates.hpp"
#include "pakko_gen/writer.hpp"

namespace pakko_gen {

// The paths and texts of one language's model.
struct ModuleLanguage {
    std::string_view helper_path;      // empty: no stream helper
    std::string_view helper_template;  // the helper's text below pakko_gen/templates, unless written
    std::string_view index_path;       // empty: no index
    bool empty_index;                  // whether an empty index is written
    std::string (*module_path)(const pakko::Schema& schema);
    std::string (*index_line)(const pakko::Schema& schema);  // none without an index
    // `project` is the package name the generator was given.
    void (*write_module)(Writer& writer, const pakko::Schema& schema, std::string_view project);
    // Writes the helper where its text depends on the project; none: the
    // template is the helper as it is.
    void (*write_helper)(Writer& writer, std::string_view project) = nullptr;
};

template <const ModuleLanguage& L>
class ModuleGenerator {
public:
    using Options = EmptyOptions;

    ModuleGenerator(std::string_view name, std::string_view, Options) : project_(name) {
        if (L.helper_path.empty()) return;
        if (L.write_helper == nullptr) {
            files_.add(std::string(L.helper_path), std::string(template_text(L.helper_template)));
        } else {
            Writer writer;
            L.write_helper(writer, project_);
            files_.add(std::string(L.helper_path), std::move(writer).take_text());
        }
    }

    // A module for a record, one-of or enumeration; nothing for other kinds.
    void add_only(const pakko::Schema& schema) {
        if (declared_name(schema) == nullptr) return;
        Writer writer;
        L.write_module(writer, schema, project_);
        if (L.index_line != nullptr) index_ += L.index_line(schema);
        files_.add(L.module_path(schema), std::move(writer).take_text());
    }

    GenResult result() && {
        if (L.index_path.empty()) return std::move(files_);
        if (L.empty_index || !index_.empty()) files_.add(std::string(L.index_path), std::move(index_));
        return std::move(files_);
    }

private:
    std::string project_;
    GenResult files_;
    std::string index_;
};

}  // namespace pakko_gen
