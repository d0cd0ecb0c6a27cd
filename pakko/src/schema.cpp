#include "pakko/schema.hpp"

#include <functional>
#include <mutex>
#include <unordered_set>

#include "pakko/overloaded.hpp"

namespace pakko {

std::optional<std::string> Documentation::get(std::string_view language) const {
    for (const auto& entry : languages) {
        if (entry.language == language) return entry.text;
    }
    return std::nullopt;
}

Documentation make_documentation(const Docs& docs) {
    Documentation result;
    for (std::size_t i = 0; i < docs.count; ++i) {
        result.languages.push_back({std::string(docs.entries[i].language), std::string(docs.entries[i].text)});
    }
    return result;
}

bool same_schema(const SchemaPtr& a, const SchemaPtr& b) {
    if (a == b) return true;
    if (!a || !b) return false;
    return *a == *b;
}

bool operator==(const Field& a, const Field& b) {
    return a.documentation == b.documentation && a.name == b.name && same_schema(a.schema, b.schema);
}

namespace {

// Order-dependent combination, so that swapped documentation entries hash apart.
class Hasher {
public:
    void add(std::size_t value) { state_ ^= value + 0x9e3779b97f4a7c15ULL + (state_ << 6) + (state_ >> 2); }
    void add(std::string_view text) { add(std::hash<std::string_view>{}(text)); }
    void add(const Documentation& docs) {
        add(docs.languages.size());
        for (const auto& entry : docs.languages) {
            add(entry.language);
            add(entry.text);
        }
    }
    void add(const Name& name) { add(std::string_view(name.text())); }
    void add(const SchemaPtr& schema) { add(schema->hash()); }
    void add(const Struct& s) {
        add(static_cast<std::size_t>(s.magic.has_value()));
        if (s.magic) add(static_cast<std::size_t>(static_cast<std::uint32_t>(*s.magic)));
        add(s.documentation);
        add(s.name);
        add(s.fields.size());
        for (const auto& field : s.fields) {
            add(field.documentation);
            add(field.name);
            add(field.schema);
        }
    }
    std::size_t value() const { return state_; }

private:
    std::size_t state_ = 0;
};

void render(std::string& out, const Documentation& docs) {
    out += "Documentation { languages: [";
    for (std::size_t i = 0; i < docs.languages.size(); ++i) {
        if (i) out += ", ";
        out += "LanguageDocumentation { language: \"" + docs.languages[i].language + "\", text: \"" +
               docs.languages[i].text + "\" }";
    }
    out += "] }";
}

void render(std::string& out, const Struct& s);

void render(std::string& out, const Schema& schema) {
    std::visit(Overloaded{
                   [&](const Schema::Bool&) { out += "Bool"; },
                   [&](const Schema::Int32&) { out += "Int32"; },
                   [&](const Schema::Int64&) { out += "Int64"; },
                   [&](const Schema::Float32&) { out += "Float32"; },
                   [&](const Schema::Float64&) { out += "Float64"; },
                   [&](const Schema::String&) { out += "String"; },
                   [&](const Struct& s) {
                       out += "Struct(";
                       render(out, s);
                       out += ")";
                   },
                   [&](const Schema::OneOf& o) {
                       out += "OneOf { documentation: ";
                       render(out, o.documentation);
                       out += ", base_name: " + o.base_name.text() + ", variants: [";
                       for (std::size_t i = 0; i < o.variants.size(); ++i) {
                           if (i) out += ", ";
                           render(out, o.variants[i]);
                       }
                       out += "] }";
                   },
                   [&](const Schema::Option& o) {
                       out += "Option(";
                       render(out, *o.inner);
                       out += ")";
                   },
                   [&](const Schema::Vec& v) {
                       out += "Vec(";
                       render(out, *v.element);
                       out += ")";
                   },
                   [&](const Schema::Map& m) {
                       out += "Map(";
                       render(out, *m.key);
                       out += ", ";
                       render(out, *m.value);
                       out += ")";
                   },
                   [&](const Schema::Enum& e) {
                       out += "Enum { documentation: ";
                       render(out, e.documentation);
                       out += ", base_name: " + e.base_name.text() + ", variants: [";
                       for (std::size_t i = 0; i < e.variants.size(); ++i) {
                           if (i) out += ", ";
                           out += "EnumVariant { documentation: ";
                           render(out, e.variants[i].documentation);
                           out += ", name: " + e.variants[i].name.text() + " }";
                       }
                       out += "] }";
                   },
               },
               schema.value);
}

void render(std::string& out, const Struct& s) {
    out += "Struct { magic: ";
    out += s.magic ? "Some(" + std::to_string(*s.magic) + ")" : std::string("None");
    out += ", documentation: ";
    render(out, s.documentation);
    out += ", name: " + s.name.text() + ", fields: [";
    for (std::size_t i = 0; i < s.fields.size(); ++i) {
        if (i) out += ", ";
        out += "Field { documentation: ";
        render(out, s.fields[i].documentation);
        out += ", name: " + s.fields[i].name.text() + ", schema: ";
        render(out, *s.fields[i].schema);
        out += " }";
    }
    out += "] }";
}

}  // namespace

bool operator==(const Schema& a, const Schema& b) {
    if (a.value.index() != b.value.index()) return false;
    return std::visit(
        [&](const auto& left) -> bool {
            using V = std::decay_t<decltype(left)>;
            const auto& right = std::get<V>(b.value);
            if constexpr (std::is_same_v<V, Struct>) {
                return left == right;
            } else if constexpr (std::is_same_v<V, Schema::OneOf> || std::is_same_v<V, Schema::Enum>) {
                return left.documentation == right.documentation && left.base_name == right.base_name &&
                       left.variants == right.variants;
            } else if constexpr (std::is_same_v<V, Schema::Option>) {
                return same_schema(left.inner, right.inner);
            } else if constexpr (std::is_same_v<V, Schema::Vec>) {
                return same_schema(left.element, right.element);
            } else if constexpr (std::is_same_v<V, Schema::Map>) {
                return same_schema(left.key, right.key) && same_schema(left.value, right.value);
            } else {
                return true;
            }
        },
        a.value);
}

std::size_t Schema::hash() const {
    Hasher h;
    h.add(value.index());
    std::visit(Overloaded{
                   [&](const Struct& s) { h.add(s); },
                   [&](const OneOf& o) {
                       h.add(o.documentation);
                       h.add(o.base_name);
                       h.add(o.variants.size());
                       for (const auto& v : o.variants) h.add(v);
                   },
                   [&](const Enum& e) {
                       h.add(e.documentation);
                       h.add(e.base_name);
                       h.add(e.variants.size());
                       for (const auto& v : e.variants) {
                           h.add(v.documentation);
                           h.add(v.name);
                       }
                   },
                   [&](const Option& o) { h.add(o.inner); },
                   [&](const Vec& v) { h.add(v.element); },
                   [&](const Map& m) {
                       h.add(m.key);
                       h.add(m.value);
                   },
                   [](const auto&) {},
               },
               value);
    return h.value();
}

std::string Schema::full_name() const {
    return std::visit(Overloaded{
                          [](const Bool&) -> std::string { return "Bool"; },
                          [](const Int32&) -> std::string { return "Int32"; },
                          [](const Int64&) -> std::string { return "Int64"; },
                          [](const Float32&) -> std::string { return "Float32"; },
                          [](const Float64&) -> std::string { return "Float64"; },
                          [](const String&) -> std::string { return "String"; },
                          [](const Struct& s) { return s.name.raw(); },
                          [](const OneOf& o) { return o.base_name.raw(); },
                          [](const Enum& e) { return e.base_name.raw(); },
                          [](const Option& o) { return "Opt" + o.inner->full_name(); },
                          [](const Vec& v) { return "Vec" + v.element->full_name(); },
                          [](const Map& m) { return "Map" + m.key->full_name() + m.value->full_name(); },
                      },
                      value);
}

bool Schema::hashable() const {
    switch (value.index()) {
        case 0:   // Bool
        case 1:   // Int32
        case 2:   // Int64
        case 5:   // String
        case 11:  // Enum
            return true;
        case 6:
            for (const auto& field : std::get<Struct>(value).fields) {
                if (!field.schema->hashable()) return false;
            }
            return true;
        default:
            return false;
    }
}

std::string Schema::debug_text() const {
    std::string out;
    render(out, *this);
    return out;
}

namespace {

struct PtrHash {
    std::size_t operator()(const SchemaPtr& schema) const { return schema->hash(); }
};
struct PtrEqual {
    bool operator()(const SchemaPtr& a, const SchemaPtr& b) const { return same_schema(a, b); }
};

struct InternSet {
    std::mutex mutex;
    std::unordered_set<SchemaPtr, PtrHash, PtrEqual> schemas;
};

InternSet& intern_set() {
    static InternSet set;
    return set;
}

}  // namespace

SchemaPtr intern(Schema candidate) {
    auto& set = intern_set();
    // A non-owning handle serves as the lookup key, so a hit allocates nothing.
    SchemaPtr probe(SchemaPtr(), &candidate);
    {
        std::lock_guard lock(set.mutex);
        auto found = set.schemas.find(probe);
        if (found != set.schemas.end()) return *found;
    }
    auto fresh = std::make_shared<const Schema>(std::move(candidate));
    std::lock_guard lock(set.mutex);
    // Another thread may have inserted an equal schema meanwhile; the first one wins.
    return *set.schemas.insert(std::move(fresh)).first;
}

std::size_t interned_count() {
    auto& set = intern_set();
    std::lock_guard lock(set.mutex);
    return set.schemas.size();
}

}  // namespace pakko
