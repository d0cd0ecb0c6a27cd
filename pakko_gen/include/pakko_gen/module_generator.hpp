#pragma once
// Generators whose model is a module per record, one-of and enumeration, in
// the order their types were added, with an index that names the modules
// and a fixed stream helper where the language has them. Language gives the
// paths and texts:
//
//   static constexpr std::string_view HELPER_PATH, HELPER_TEMPLATE;  // empty: none
//   static constexpr std::string_view INDEX_PATH;  // empty: none
//   static constexpr bool EMPTY_INDEX;  // whether an empty index is written
//   static std::string module_path(const pakko::Schema&);
//   static std::string index_line(const pakko::Schema&);
//   // `project` is the package name the generator was given.
//   static void write_module(Writer&, const pakko::Schema&, std::string_view project);
#include <string>
#include <string_view>

#include <pakko/schema.hpp>

#include "pakko_gen/gen_result.hpp"
#include "pakko_gen/generator.hpp"
#include "pakko_gen/names.hpp"
#include "pakko_gen/templates.hpp"
#include "pakko_gen/writer.hpp"

namespace pakko_gen {

template <class Language>
class ModuleGenerator {
public:
    using Options = EmptyOptions;

    ModuleGenerator(std::string_view name, std::string_view, Options) : project_(name) {
        if constexpr (!Language::HELPER_PATH.empty()) {
            files_.add(std::string(Language::HELPER_PATH), std::string(template_text(Language::HELPER_TEMPLATE)));
        }
    }

    // A module for a record, one-of or enumeration; nothing for other kinds.
    void add_only(const pakko::Schema& schema) {
        if (declared_name(schema) == nullptr) return;
        Writer writer;
        Language::write_module(writer, schema, project_);
        index_ += Language::index_line(schema);
        files_.add(Language::module_path(schema), std::move(writer).take_text());
    }

    GenResult result() && {
        if (Language::INDEX_PATH.empty()) return std::move(files_);
        if (Language::EMPTY_INDEX || !index_.empty()) files_.add(std::string(Language::INDEX_PATH), std::move(index_));
        return std::move(files_);
    }

private:
    std::string project_;
    GenResult files_;
    std::string index_;
};

}  // namespace pakko_gen
