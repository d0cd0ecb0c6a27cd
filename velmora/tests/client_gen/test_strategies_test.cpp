// The test strategies that replace each package's template: one file per
// language but Markdown, of the kind its language is given. A full strategy
// sends its movable units to the far corner of the map, so it names the map
// size; a minimal one answers with no entity actions and never looks at it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "velmora/client_gen/run.hpp"

namespace {

enum class Kind { Full, Minimal };

// Whether `text` names the map size, in any of the languages' spellings.
bool names_map_size(std::string text) {
    std::erase(text, '_');
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text.find("mapsize") != std::string::npos;
}

TEST(TestStrategies, EachLanguageHasOneFileOfItsKind) {
    struct Case {
        std::string language;
        std::string path;
        Kind kind;
    };
    const Case cases[] = {
        {"Cpp", "MyStrategy.cpp", Kind::Full},
        {"CSharp", "MyStrategy.cs", Kind::Full},
        {"Dlang", "source/my_strategy.d", Kind::Minimal},
        {"FSharp", "MyStrategy.fs", Kind::Minimal},
        {"Go", "my_strategy.go", Kind::Minimal},
        {"Java", "src/main/java/MyStrategy.java", Kind::Full},
        {"JavaScript", "my-strategy.js", Kind::Minimal},
        {"Kotlin", "src/main/kotlin/MyStrategy.kt", Kind::Minimal},
        {"Python", "my_strategy.py", Kind::Full},
        {"Ruby", "my_strategy.rb", Kind::Minimal},
        {"Rust", "src/my_strategy.rs", Kind::Full},
        {"Scala", "src/main/scala/MyStrategy.scala", Kind::Minimal},
    };
    const auto files = velmora::client_gen::test_strategy_files();
    EXPECT_EQ(files.size(), std::size(cases));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        const auto language = files.find(c.language);
        ASSERT_NE(language, files.end());
        ASSERT_EQ(language->second.size(), 1u);
        EXPECT_EQ(language->second.begin()->first, c.path);
        EXPECT_EQ(names_map_size(language->second.begin()->second), c.kind == Kind::Full);
    }
}

}  // namespace
