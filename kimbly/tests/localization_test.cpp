#include <gtest/gtest.h>

#include <cstdlib>
#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "kimbly/localization.hpp"
#include "kimbly/panic.hpp"
#include "test_support/log_capture.hpp"

namespace loc = kimbly::localization;

namespace {

// Every test sets the locale it needs; texts are unique per test, because the
// tables are process-wide and never cleared.

TEST(LocalizationTable, RegistersTheTranslationsOfEachBlock) {
    struct Case {
        const char* name;
        std::string table;
        std::vector<std::pair<std::string, std::string>> expected;  // English -> shown in "ru"
    };
    const std::vector<Case> cases = {
        {"crlf endings, no final line feed",
         "en=Start\r\nru=Старт\r\n\r\nen=Stop\r\nru=Стоп",
         {{"Start", "Старт"}, {"Stop", "Стоп"}}},
        {"split at the first '='", "en=x=y\nru=a=b\n", {{"x=y", "a=b"}}},
        {"untrimmed sides, runs of empty lines", "\n\nen= Pause \n ru=x\nru= Пауза \n\n\n",
         {{" Pause ", " Пауза "}}},
        {"a later line of the block wins", "en=Quit\nru=Выйти\nru=Выход\n", {{"Quit", "Выход"}}},
        {"a block of only English registers nothing", "en=Volume only\n",
         {{"Volume only", "Volume only"}}},
        {"other locales stay apart", "en=Speed\nde=Tempo\n", {{"Speed", "Speed"}}},
    };
    loc::set_locale("ru");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        loc::add_translations(c.table);
        for (const auto& [english, shown] : c.expected) EXPECT_EQ(loc::translate(english), shown);
    }
}

TEST(LocalizationTable, KeepsItsOwnCopiesOfTheTexts) {
    auto table = std::make_unique<std::string>("en=Replay\nru=Повтор\n");
    loc::add_translations(*table);
    table->assign(table->size(), '#');
    table.reset();
    loc::set_locale("ru");
    EXPECT_EQ(loc::translate("Replay"), "Повтор");
}

TEST(LocalizationTable, MalformedTablesStopTheProgram) {
    struct Case {
        std::string table;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"ru=Старт\nde=Start\n", "Expected english source for translation"},
        {"en=Open\nru=Открыть\n\nru=Закрыть\n", "Expected english source for translation"},
        {"en=Open\nru Открыть\n", "Failed to parse translations"},
        {"en=Open\r\n\r\nno equals sign", "Failed to parse translations"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.table);
        std::optional<std::string> stopped;
        try {
            loc::add_translations(c.table);
        } catch (const kimbly::Panic& panic) {
            stopped = panic.message();
        }
        EXPECT_EQ(stopped, c.message);
    }
}

TEST(LocalizationTranslate, LocaleIsMatchedExactly) {
    loc::add_translation("en", "Exit", "Leave");
    loc::add_translation("ru", "Exit", "Выход");
    loc::add_translation("ru", "Exit", "Выйти");  // replaces the earlier pair
    struct Case {
        const char* locale;
        const char* shown;
    };
    const std::vector<Case> cases = {
        {"en", "Exit"},  // English never looks anything up, not even "en" pairs
        {"ru", "Выйти"},
        {"RU", "Exit"},  // stored unchanged, so it matches no table for "ru"
        {"fr", "Exit"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        loc::set_locale(c.locale);
        EXPECT_EQ(loc::translate("Exit"), c.shown);
    }
}

TEST(LocalizationTranslate, EachMissIsReportedOnce) {
    IN_CHILD_WITH_LOG(kimbly::logger::LevelFilter::Debug, [] {
        loc::set_locale("fr");
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(loc::translate("Start \"game\""), "Start \"game\"");
            EXPECT_EQ(loc::translate("Stop"), "Stop");
        }
        loc::set_locale("de");
        EXPECT_EQ(loc::translate("Stop"), "Stop");
        EXPECT_EQ(test_support::LogCapture::records("kimbly::localization"),
                  (std::vector<std::string>{R"(DEBUG "Start \"game\"" not translated to "fr")",
                                            R"(DEBUG "Stop" not translated to "fr")",
                                            R"(DEBUG "Stop" not translated to "de")"}));
    });
    // Below debug level nothing is reported.
    IN_CHILD_WITH_LOG(kimbly::logger::LevelFilter::Info, [] {
        loc::set_locale("fr");
        EXPECT_EQ(loc::translate("Stop"), "Stop");
        EXPECT_TRUE(test_support::LogCapture::records("kimbly::localization").empty());
    });
}

TEST(LocalizationDetect, CodeFromTheSystemName) {
    struct Case {
        std::optional<std::string_view> name;
        const char* code;
    };
    const std::vector<Case> cases = {
        {"en_US.UTF-8", "en"}, {"ru_RU.UTF-8", "ru"}, {"C", "c"},
        {"C.UTF-8", "c."},     {"POSIX", "po"},       {std::nullopt, "en"},
        {"\xff\xfe", "en"},  // not UTF-8 counts as no name
        {"\xc3\xa9t\xc3\xa9", "\xc3\xa9"},  // whole characters only
        {"\xe6\x97\xa5\xe6\x9c\xac", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(loc::detail::locale_code_from_name(c.name), c.code);
    }
}

// Detection happens once per process, so each case runs in a fresh one.
TEST(LocalizationDetect, SystemLocaleInAChildProcess) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    struct Case {
        const char* lc_all;
        std::vector<std::string> logged;
    };
    const std::vector<Case> cases = {
        {"C", {R"(TRACE Detected locale: Some("C"))", R"(TRACE Using locale: "c")"}},
        // A locale that isn't installed: the C library returns no name.
        {"xx_NOWHERE.UTF-8", {"TRACE Detected locale: None", R"(TRACE Using locale: "en")"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lc_all);
        IN_CHILD_WITH_LOG(kimbly::logger::LevelFilter::Trace, [&] {
            ::setenv("LC_ALL", c.lc_all, 1);
            loc::add_translation("en", "probe", "en probe");
            loc::add_translation("c", "probe", "c probe");
            loc::translate("probe");
            auto logged = test_support::LogCapture::records("kimbly::localization");
            logged.resize(std::min<std::size_t>(logged.size(), 2));
            EXPECT_EQ(logged, c.logged);
        });
    }
}

}  // namespace
