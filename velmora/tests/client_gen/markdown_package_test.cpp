// The Markdown documentation package in the languages with an introduction
// and in others.
#include <gtest/gtest.h>
#include <test_support/panic_message.hpp>

#include <filesystem>

#include <pakko/json_value.hpp>
#include <tarnwick/client_gen/harness.hpp>
#include <tarnwick/client_gen/markdown_package.hpp>
#include <tarnwick/client_gen/templates.hpp>

#include "client_gen/test_files.hpp"
#include "velmora/game.hpp"

namespace {

namespace fs = std::filesystem;
namespace cg = tarnwick::client_gen;

using test_files::read_file;
using Markdown = cg::MarkdownClient<velmora::Game>;
using MarkdownPackage = test_files::PackageDirTest;

TEST_F(MarkdownPackage, IntroductionOnlyForExactlyEnglishOrRussian) {
    struct Case {
        const char* language;
        const char* intro;  // nullptr when none is written
        const char* heading;
    };
    const Case cases[] = {
        {"en", "markdown/api-intro.en.md", "Fields:"}, {"ru", "markdown/api-intro.ru.md", "Поля:"},
        {"de", nullptr, "Fields:"},                     {"EN", nullptr, "Fields:"},
        {"eng", nullptr, "Fields:"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        const cg::ClientGenOptions options{"velmora", dir_ / c.language, "0.1.0"};
        Markdown::gen(options, {c.language, false});
        const std::string doc = read_file(options.target_dir / "doc.md");
        EXPECT_TRUE(doc.starts_with("## `Vec2Float32`\n\n"));
        EXPECT_NE(doc.find(std::string("\n") + c.heading + "\n"), std::string::npos);
        EXPECT_EQ(fs::exists(options.target_dir / "api-intro.md"), c.intro != nullptr);
        if (c.intro != nullptr) {
            EXPECT_EQ(read_file(options.target_dir / "api-intro.md"), cg::client_template(c.intro));
        }
    }
    // A language without texts falls back to the placeholder.
    EXPECT_NE(read_file(dir_ / "de" / "doc.md").find("TODO: document"), std::string::npos);
    EXPECT_EQ(read_file(dir_ / "en" / "doc.md").find("TODO: document"), std::string::npos);
}

TEST_F(MarkdownPackage, IntroductionsHaveTheirHeadingsAndFragments) {
    const std::pair<const char*, std::array<const char*, 2>> intros[] = {
        {"markdown/api-intro.en.md", {"## API description\n", "\n## Objects description\n"}},
        {"markdown/api-intro.ru.md", {"## Описание API\n", "\n## Описание объектов\n"}},
    };
    for (const auto& [path, headings] : intros) {
        SCOPED_TRACE(path);
        const auto text = cg::client_template(path);
        EXPECT_TRUE(text.starts_with(headings[0]));
        EXPECT_NE(text.find(headings[1]), std::string_view::npos);
        for (const char* fragment : {"`MyStrategy.<ext>`/`my_strategy.<ext>`", "`MyStrategy`", "`get_action`",
                                     "`debug_update`", "`Option<type>`"}) {
            EXPECT_NE(text.find(fragment), std::string_view::npos) << fragment;
        }
        EXPECT_TRUE(text.ends_with(".\n"));
        EXPECT_EQ(text.find('\r'), std::string_view::npos);
    }
}

TEST_F(MarkdownPackage, HarnessTakesBothOptionKeysOrStops) {
    const cg::StrategyFiles strategies;
    const std::set<std::string> names{"Markdown"};
    const std::optional<std::set<std::string>> filter = names;
    const cg::TestOptions test_options{std::nullopt, false, cg::TestMode::Run};
    const cg::TestGame no_game = [](const cg::Command&, const std::optional<std::string>&) { FAIL() << "played"; };
    const cg::ClientGenOptions options{"velmora", dir_, "0.1.0"};
    auto run = [&](const char* json) {
        cg::GenOptionsByLanguage by_language;
        if (json != nullptr) by_language["Markdown"] = pakko::json::Value::parse(json);
        return test_support::panic_message(
            [&] { cg::test_all<Markdown>({options, strategies, filter, by_language, test_options, no_game}); });
    };
    for (const char* rejected : {"null", "{}", R"({"language": "ru"})"}) {
        EXPECT_TRUE(run(rejected).starts_with("Failed to parse gen options: ")) << rejected;
    }
    for (const char* accepted : {R"({"language": "ru", "require_docs": false})", R"(["ru", false])"}) {
        fs::remove_all(dir_);
        EXPECT_EQ(run(accepted), "no stop") << accepted;
        EXPECT_TRUE(read_file(dir_ / "api-intro.md").starts_with("## Описание API\n")) << accepted;
    }
    fs::remove_all(dir_);
    EXPECT_EQ(run(nullptr), "no stop");
    EXPECT_TRUE(read_file(dir_ / "api-intro.md").starts_with("## API description\n"));
}

}  // namespace
