#pragma once
// The interface every language generator implements, and the wrapper that
// feeds it a schema graph.
#include <concepts>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include <pakko/describe.hpp>
#include <pakko/schema.hpp>

#include "pakko_gen/gen_result.hpp"
#include "pakko_gen/schema_registry.hpp"

namespace pakko_gen {

// The options of a language generator that takes none.
struct EmptyOptions {
    bool operator==(const EmptyOptions&) const = default;
};

constexpr auto pakko_describe(pakko::Tag<EmptyOptions>) {
    return pakko::record<EmptyOptions>("EmptyOptions", pakko::no_doc());
}

inline std::string debug_text(const EmptyOptions&) { return "EmptyOptions"; }

// What makes a record a variant of a one-of: the base's type name in the
// target language and the variant's tag, its position from 0.
struct VariantOf {
    std::string base;
    std::size_t tag;
};

// A language generator: constructed from the package name, version and its
// options; add_only is called once per distinct schema, after the schemas it
// refers to (primitives and containers included); result hands over its files.
template <class G>
concept Generator = std::default_initializable<typename G::Options> &&
                    std::constructible_from<G, std::string_view, std::string_view, typename G::Options> &&
                    requires(G generator, const pakko::Schema& schema) {
                        generator.add_only(schema);
                        { std::move(generator).result() } -> std::same_as<GenResult>;
                    };

template <Generator G>
class GeneratorImpl {
public:
    GeneratorImpl(std::string_view name, std::string_view version, typename G::Options options)
        : generator_(name, version, std::move(options)) {}

    void add(const pakko::Schema& schema) {
        registry_.add(schema, [this](const pakko::Schema& next) { generator_.add_only(next); });
    }

    GenResult result() && { return std::move(generator_).result(); }

private:
    G generator_;
    SchemaRegistry registry_;
};

}  // namespace pakko_gen
