#pragma once
// Generators whose model is a module per record, one-of and enumeration, an
// index that names the modules in the order their types were added, and a
// fixed stream helper. Language gives the paths and texts:
//
//   static constexpr std::string_view HELPER_PATH, HELPER_TEMPLATE, INDEX_PATH;
//   static constexpr bool EMPTY_INDEX;  // whether an empty index is written
//   static std::string module_path(const pakko::Schema&);
//   static std::string index_line(const pakko::Schema&);
//   static void write_module(Writer&, const pakko::Schema&);
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

    ModuleGenerator(std::string_view, std::string_view, Options) {
        files_.add(std::string(Language::HELPER_PATH), std::string(template_text(Language::HELPER_TEMPLATE)));
    }

    // A module for a record, one-of or enumeration; nothing for other kinds.
    void add_only(const pakko::Schema& schema) {
        if (declared_name(schema) == nullptr) return;
        Writer writer;
        Language::write_module(writer, schema);
        index_ += Language::index_line(schema);
        files_.add(Language::module_path(schema), std::move(writer).take_text());
    }

    GenResult result() && {
        if (Language::EMPTY_INDEX || !index_.empty()) files_.add(std::string(Language::INDEX_PATH), std::move(index_));
        return std::move(files_);
    }

private:
    GenResult files_;
    std::string index_;
};

}  // namespace pakko_gen
