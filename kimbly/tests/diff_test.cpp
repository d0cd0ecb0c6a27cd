#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include <pakko/describe.hpp>

#include "test_support/diff_check.hpp"
#include "kimbly/diff.hpp"

namespace kimbly_diff_test {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};
constexpr kimbly::DeltaKind kimbly_delta(pakko::Tag<Point>) { return kimbly::DeltaKind::FullCopy; }

struct Scores {
    std::map<std::string, int> by_name;
    bool operator==(const Scores&) const = default;
};

}  // namespace kimbly_diff_test

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

// A field of each kind: scalars, a full-copy record, and one whose type has
// a delta of its own.
struct Lap {
    std::int32_t number = 0;
    bool finished = false;
    Point at;
    Scores scores;
    bool operator==(const Lap&) const = default;
};
constexpr auto pakko_describe(pakko::Tag<Lap>) {
    using pakko::field;
    return pakko::record<Lap>("Lap", pakko::doc(pakko::en("A lap"), pakko::ru("Круг")), field("number", &Lap::number),
                              field("finished", &Lap::finished, {}, "done"), field("at", &Lap::at),
                              field("scores", &Lap::scores));
}
constexpr kimbly::DeltaKind kimbly_delta(pakko::Tag<Lap>) { return kimbly::DeltaKind::FieldByField; }

namespace {

TEST(Diff, FieldByFieldFollowsTheDescription) {
    using Delta = kimbly::Diff<Lap>::Delta;
    static_assert(std::is_same_v<decltype(std::declval<Delta>().fields),
                                 std::tuple<std::int32_t, bool, Point, std::map<std::string, int>>>);
    const Lap cases[][2] = {
        {{}, {}},
        {{1, false, {1, 2}, {{{"ann", 1}}}}, {2, true, {3, 4}, {{{"ann", 2}, {"bob", 1}}}}},
    };
    for (const auto& [a, b] : cases) EXPECT_TRUE(test_support::diff_round_trips(a, b));

    auto delta = kimbly::diff(cases[1][0], cases[1][1]);
    EXPECT_EQ(delta.of<&Lap::number>(), 2);
    EXPECT_EQ(delta.of<&Lap::at>(), (Point{3, 4}));
    EXPECT_EQ(delta.of<&Lap::scores>(), (std::map<std::string, int>{{"ann", 2}, {"bob", 1}}));

    // Named after the record, undocumented, with the record's field names
    // and JSON keys.
    constexpr auto desc = pakko::describe<Delta>();
    EXPECT_EQ(desc.name, "LapDelta");
    EXPECT_EQ(desc.docs.count, 0u);
    std::vector<std::string> names;
    pakko::for_each_field<Delta>([&](const auto& field) {
        EXPECT_EQ(field.docs.count, 0u);
        names.push_back(std::string(field.name) + "/" + std::string(field.json_key));
    });
    EXPECT_EQ(names, (std::vector<std::string>{"number/number", "finished/done", "at/at", "scores/scores"}));
}

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
