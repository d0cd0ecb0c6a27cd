#pragma once
// Helpers shared by the model's tests: byte vectors written as hex text,
// documentation rows read back from schemas, and error expectations.
#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include <pakko/json.hpp>
#include <pakko/pakko.hpp>
#include <pakko/schema.hpp>

#include "test_support/bytes.hpp"

namespace velmora::model::testing {

using ::test_support::hex;
using ::test_support::to_hex;

// The message of the pakko::IoError that `action` throws, or "<no error>".
inline std::string io_error_of(const std::function<void()>& action) {
    try {
        action();
    } catch (const pakko::IoError& error) {
        return error.what();
    }
    return "<no error>";
}

inline std::string json_error_of(const std::function<void()>& action) {
    try {
        action();
    } catch (const pakko::json::Error& error) {
        return error.what();
    }
    return "<no error>";
}

struct DocRow {
    std::string first;  // language of the first entry
    std::string en;
    std::string ru;
    bool operator==(const DocRow&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const DocRow& row) {
    return out << "{" << row.first << ", \"" << row.en << "\", \"" << row.ru << "\"}";
}

inline DocRow doc_row(const pakko::Documentation& documentation) {
    DocRow row;
    if (!documentation.languages.empty()) row.first = documentation.languages.front().language;
    row.en = documentation.get("en").value_or("<none>");
    row.ru = documentation.get("ru").value_or("<none>");
    if (documentation.languages.size() != 2) row.first += "<entries: " + std::to_string(documentation.languages.size()) + ">";
    return row;
}

// Item "Name" for a record, enumeration or one-of, "Name.member" for its
// fields, variants, and the fields of a one-of's variants.
inline void collect_docs(const pakko::Schema& schema, std::map<std::string, DocRow>& rows) {
    if (auto s = schema.get_if<pakko::Struct>()) {
        rows[s->name.text()] = doc_row(s->documentation);
        for (const auto& f : s->fields) rows[s->name.text() + "." + f.name.snake_case()] = doc_row(f.documentation);
    } else if (auto e = schema.get_if<pakko::Schema::Enum>()) {
        rows[e->base_name.text()] = doc_row(e->documentation);
        for (const auto& v : e->variants) rows[e->base_name.text() + "." + v.name.text()] = doc_row(v.documentation);
    } else if (auto o = schema.get_if<pakko::Schema::OneOf>()) {
        rows[o->base_name.text()] = doc_row(o->documentation);
        for (const auto& v : o->variants) collect_docs(pakko::Schema(v), rows);
    }
}

template <class T>
std::map<std::string, DocRow> docs_of() {
    std::map<std::string, DocRow> rows;
    collect_docs(pakko::create_schema<T>(), rows);
    return rows;
}

struct ExpectedDoc {
    const char* item;
    const char* first;
    const char* en;
    const char* ru;
};

template <class T>
void expect_docs(const std::vector<ExpectedDoc>& expected) {
    auto rows = docs_of<T>();
    for (const auto& e : expected) {
        SCOPED_TRACE(e.item);
        auto it = rows.find(e.item);
        ASSERT_NE(it, rows.end()) << "no documented item " << e.item;
        EXPECT_EQ(it->second, (DocRow{e.first, e.en, e.ru}));
    }
}

}  // namespace velmora::model::testing
