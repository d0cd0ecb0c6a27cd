#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <pakko/json.hpp>
#include <test_support/panic_message.hpp>

#include "golden.hpp"
#include "pakko_gen/fixtures.hpp"
#include "pakko_gen/generator.hpp"
#include "pakko_gen/markdown/generator.hpp"
#include "synthetic_schemas.hpp"

namespace {

namespace t = pakko_gen::testing;
namespace md = pakko_gen::markdown;
using pakko_gen::GenResult;
using pakko_gen::GeneratorImpl;

GenResult generate_files(const std::vector<pakko::SchemaPtr>& roots, md::Options options) {
    GeneratorImpl<md::Generator> impl("velmora", "0.1.0", std::move(options));
    for (const auto& root : roots) impl.add(*root);
    return std::move(impl).result();
}

std::string generate_text(const std::vector<pakko::SchemaPtr>& roots, md::Options options) {
    auto result = generate_files(roots, std::move(options));
    EXPECT_EQ(result.files.size(), 1u);
    EXPECT_EQ(result.files.front().path, "doc.md");
    return result.files.front().content;
}

// English and Russian texts and headings; any other language keeps the
// English headings and has no texts here.
TEST(MarkdownGenerator, SyntheticSchemasMatchTheirGoldenTextPerLanguage) {
    for (const char* language : {"en", "ru", "de"}) {
        t::expect_golden(generate_files(t::synthetic_roots(), {language, false}), t::golden_root() / "markdown" / language,
                         {});
    }
}

TEST(MarkdownGenerator, MultiLineTextsAreIndentedOnEveryLine) {
    auto docs = [](const char* text) { return pakko::Documentation{{{"en", text}}}; };
    pakko::Struct variant{std::nullopt, docs("First line\nsecond line"), pakko::Name("Go"),
                          {{docs("Where\nto"), pakko::Name("Target"), t::option(t::vec(t::map(t::int32(), t::int32())))}}};
    auto one_of = t::shared(pakko::Schema::OneOf{docs("Orders"), pakko::Name("Order"), {variant}});
    EXPECT_EQ(generate_text({one_of}, {}),
              "## `Order`\n\nOrders\n\nOne of:\n\n"
              "- `Go` - First line\nsecond line\n\n"
              "    Fields:\n\n"
              "    - `target`: `Option<[Map<int32 -> int32>]>` - Where\n    to\n");
}

TEST(MarkdownGenerator, AMissingTextStopsWhenTextsAreRequired) {
    struct Case {
        pakko::SchemaPtr schema;
        const char* language;
        const char* message;
    };
    auto undocumented_field = t::record("Entity", {t::field("position", t::vec2_int())});
    undocumented_field.fields[0].documentation.languages.erase(undocumented_field.fields[0].documentation.languages.begin() + 1);
    const Case cases[] = {
        {t::shared(undocumented_field), "ru", "Entity::Position not documented in \"ru\""},
        {t::one_value_enum(), "de", "Single not documented in \"de\""},
        {t::shared(pakko::Schema::OneOf{{{{"x\"y", "text"}}}, pakko::Name("Plan"), {t::record("Stop", {})}}), "x\"y",
         "Plan::Stop not documented in \"x\\\"y\""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(test_support::panic_message([&] { generate_text({c.schema}, {c.language, true}); }), c.message);
    }
}

TEST(MarkdownGenerator, OptionsJsonNeedsBothKeys) {
    struct Case {
        const char* json;
        const char* error;  // empty when accepted
    };
    const Case cases[] = {
        {R"({"language": "ru", "require_docs": false})", ""},
        {R"(["ru", false])", ""},
        {R"({"require_docs": true, "language": "ru", "other": 1})", ""},
        {R"({"language": "ru"})", "missing field `require_docs`"},
        {R"({})", "missing field `language`"},
        {R"(null)", "struct Options"},
        {R"(["ru"])", "struct Options with 2 elements"},
        {R"({"language": "ru", "language": "en", "require_docs": false})", "duplicate field `language`"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.json);
        if (std::string(c.error).empty()) {
            md::Options options;
            EXPECT_NO_THROW(options = pakko::json::parse<md::Options>(c.json));
            EXPECT_EQ(options.language, "ru");
        } else {
            try {
                pakko::json::parse<md::Options>(c.json);
                ADD_FAILURE() << "accepted";
            } catch (const pakko::json::Error& error) {
                EXPECT_NE(std::string(error.what()).find(c.error), std::string::npos) << error.what();
            }
        }
    }
    EXPECT_EQ(md::debug_text({"ru\n", true}), "Options {\n    language: \"ru\\n\",\n    require_docs: true,\n}");
}

TEST(MarkdownGenerator, RealRootsAreDocumentedInBothLanguages) {
    for (const char* language : {"en", "ru"}) {
        auto doc = generate_text(pakko_gen::fixtures::root_schemas(), {language, true});
        EXPECT_TRUE(doc.starts_with("## `Vec2Float32`\n")) << language;
        EXPECT_TRUE(doc.ends_with("\n")) << language;
        EXPECT_FALSE(doc.ends_with("\n\n")) << language;
    }
}

}  // namespace
