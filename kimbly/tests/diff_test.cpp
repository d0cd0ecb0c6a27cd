#include <gtest/gtest.h>

#include <map>
#include <string>

#include "test_support/diff_check.hpp"
#include "kimbly/diff.hpp"

namespace kimbly_diff_test {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Scores {
    std::map<std::string, int> by_name;
    bool operator==(const Scores&) const = default;
};

}  // namespace kimbly_diff_test

template <>
struct kimbly::Diff<kimbly_diff_test::Point> : kimbly::FullCopyDiff<kimbly_diff_test::Point> {};

// Keeps only the entries that changed, and forgets removals: the kind of
// mistake the check exists to catch.
template <>
struct kimbly::Diff<kimbly_diff_test::Scores> {
    using Delta = std::map<std::string, int>;
    static Delta diff(const kimbly_diff_test::Scores& older, const kimbly_diff_test::Scores& newer) {
        Delta changed;
        for (const auto& [name, score] : newer.by_name) {
            auto it = older.by_name.find(name);
            if (it == older.by_name.end() || it->second != score) changed[name] = score;
        }
        return changed;
    }
    static void update(kimbly_diff_test::Scores& value, const Delta& delta) {
        for (const auto& [name, score] : delta) value.by_name[name] = score;
    }
};

namespace kimbly_diff_test {
namespace {

TEST(Diff, FullCopyRoundTrips) {
    const Point cases[][2] = {{{0, 0}, {0, 0}}, {{1, 2}, {3, 4}}, {{-5, 7}, {-5, 8}}};
    for (const auto& [a, b] : cases) EXPECT_TRUE(test_support::diff_round_trips(a, b));
}

TEST(Diff, CheckCatchesADeltaThatLosesChanges) {
    Scores a{{{"ann", 1}, {"bob", 2}}};
    Scores changed{{{"ann", 1}, {"bob", 5}, {"cy", 0}}};
    Scores removed{{{"ann", 1}}};
    EXPECT_TRUE(test_support::diff_round_trips(a, changed));
    EXPECT_FALSE(test_support::diff_round_trips(a, removed));
}

}  // namespace
}  // namespace kimbly_diff_test
