#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>

#include <kimbly/panic.hpp>
#include <pakko/measure.hpp>
#include <velmora/model/collection.hpp>

#include "model_test_support.hpp"
#include "test_support/panic_message.hpp"

namespace velmora::model {
namespace {

struct Marker {
    usize id = 0;
    float height = 0;
    bool operator==(const Marker&) const = default;
};

constexpr auto pakko_describe(pakko::Tag<Marker>) {
    return pakko::record<Marker>("Marker", pakko::no_doc(), pakko::field("id", &Marker::id),
                                 pakko::field("height", &Marker::height));
}
constexpr usize record_id(const Marker& marker) { return marker.id; }
constexpr kimbly::DeltaKind kimbly_delta(pakko::Tag<Marker>) { return kimbly::DeltaKind::FullCopy; }

}  // namespace
}  // namespace velmora::model

namespace velmora::model {
namespace {

using Markers = Collection<Marker>;

Markers markers(std::vector<Marker> records) { return Markers::from_iter(records); }

std::string panic_of(const std::function<void()>& action) { return test_support::panic_message(action, "<no stop>"); }

TEST(Collection, FromIterKeepsTheLaterRecordOfAnId) {
    auto c = markers({{1, 1.0f}, {2, 2.0f}, {1, 3.0f}});
    EXPECT_EQ(c.by_id.size(), 2u);
    ASSERT_NE(c.get(1), nullptr);
    EXPECT_EQ(c.get(1)->height, 3.0f);
    EXPECT_EQ(c.get(5), nullptr);
}

TEST(Collection, DeltaLists) {
    struct Case {
        const char* name;
        Markers from, to;
        std::vector<Marker> added;
        std::vector<usize> removed;
        std::vector<std::pair<usize, Marker>> changed;
    };
    std::vector<Case> cases = {
        {"equal", markers({{1, 1}, {2, 2}}), markers({{1, 1}, {2, 2}}), {}, {}, {}},
        {"from empty", markers({}), markers({{1, 1}, {2, 2}}), {{1, 1}, {2, 2}}, {}, {}},
        {"to empty", markers({{1, 1}, {2, 2}}), markers({}), {}, {1, 2}, {}},
        {"mixed", markers({{1, 1}, {2, 2}, {3, 3}}), markers({{2, 2}, {3, 4}, {4, 4}}), {{4, 4}}, {1}, {{3, {3, 4}}}},
        {"negative zero equals zero", markers({{1, 0.0f}}), markers({{1, -0.0f}}), {}, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto delta = kimbly::diff(c.from, c.to);
        EXPECT_EQ(delta.added, c.added);
        EXPECT_EQ(delta.removed, c.removed);
        EXPECT_EQ(delta.changed, c.changed);
        auto applied = c.from;
        kimbly::update(applied, delta);
        EXPECT_EQ(applied, c.to);
    }
}

TEST(Collection, EqualCollectionsGiveTwelveZeroBytes) {
    auto c = markers({{1, 1}, {2, 2}});
    EXPECT_EQ(testing::to_hex(pakko::to_bytes(kimbly::diff(c, c))), "00 00 00 00 00 00 00 00 00 00 00 00");
}

TEST(Collection, NanRecordIsChangedAtEveryDiff) {
    auto c = markers({{1, std::nanf("")}});
    auto delta = kimbly::diff(c, c);
    ASSERT_EQ(delta.changed.size(), 1u);
    EXPECT_EQ(delta.changed[0].first, 1u);
}

TEST(Collection, ApplyingToTheLaterCollectionChangesNothing) {
    auto a = markers({{1, 1}, {2, 2}});
    auto b = markers({{2, 5}, {3, 3}});
    auto delta = kimbly::diff(a, b);
    auto again = b;
    kimbly::update(again, delta);
    EXPECT_EQ(again, b);
}

TEST(Collection, ChangedIdMissingStopsRemovedIdMissingIsSkipped) {
    CollectionDelta<Marker> bad_change{{}, {}, {{9, {9, 1}}}};
    auto c = markers({{1, 1}});
    EXPECT_EQ(panic_of([&] { kimbly::update(c, bad_change); }), "Delta was not built correctly");

    CollectionDelta<Marker> gone{{}, {9}, {}};
    auto d = markers({{1, 1}});
    kimbly::update(d, gone);
    EXPECT_EQ(d, markers({{1, 1}}));
}

TEST(Collection, UpdateMatchesDiffOnRandomCollections) {
    std::mt19937 random(12345);
    auto random_collection = [&] {
        Markers c;
        int count = static_cast<int>(random() % 12);
        for (int i = 0; i < count; ++i) {
            usize id = random() % 16;
            c.by_id[id] = Marker{id, static_cast<float>(random() % 3)};
        }
        return c;
    };
    for (int round = 0; round < 200; ++round) {
        auto a = random_collection();
        auto b = random_collection();
        auto delta = kimbly::diff(a, b);
        auto decoded = pakko::from_bytes<CollectionDelta<Marker>>(pakko::to_bytes(delta));
        EXPECT_EQ(decoded, delta);
        kimbly::update(a, decoded);
        ASSERT_EQ(a, b) << "round " << round;
    }
}

TEST(Collection, BinaryFormIsTheMap) {
    auto c = markers({{7, 0.0f}});
    EXPECT_EQ(testing::to_hex(pakko::to_bytes(c)), "01 00 00 00 07 00 00 00 07 00 00 00 00 00 00 00");
    EXPECT_EQ(pakko::from_bytes<Markers>(pakko::to_bytes(c)), c);
}

// The sorted vector under a collection must keep every form of the ordered
// map it replaced: stored logs and states, and clients' schemas, rely on them.
TEST(Collection, FormsAreThoseOfTheOrderedMap) {
    using Tree = std::map<usize, Marker>;
    auto c = markers({{9, 0.5f}, {3, 1.0f}, {7, 2.0f}});
    Tree tree(c.by_id.begin(), c.by_id.end());
    EXPECT_EQ(pakko::to_bytes(c.by_id), pakko::to_bytes(tree));
    EXPECT_EQ(pakko::json::to_json(c.by_id).dump(), pakko::json::to_json(tree).dump());
    EXPECT_EQ(*pakko::Schema::of<Markers::Map>(), *pakko::Schema::of<Tree>());
    EXPECT_EQ(pakko::measured_size(c.by_id), pakko::measured_size(tree));
}

// Written files list ids ascending; any other order, repeats included, reads
// as the ordered map would read it.
TEST(Collection, ReadsEntriesInAnyOrder) {
    const std::string descending_json = R"({"by_id": {"5": {"id": 5, "height": 0}, "1": {"id": 1, "height": 1},
        "4": {"id": 4, "height": 2}, "1": {"id": 1, "height": 3}, "3": {"id": 3, "height": 4}}})";
    EXPECT_EQ(pakko::json::parse<Markers>(descending_json), markers({{1, 3}, {3, 4}, {4, 2}, {5, 0}}));

    const auto bytes = testing::hex("03 00 00 00  05 00 00 00 05 00 00 00 00 00 00 00  02 00 00 00 02 00 00 00 00 00 80 3f"
                           "  05 00 00 00 05 00 00 00 00 00 00 40");
    EXPECT_EQ(pakko::from_bytes<Markers>(bytes), markers({{2, 1.0f}, {5, 2.0f}}));
}

TEST(Collection, UpdateTakesDeltasInAnyOrder) {
    struct Case {
        const char* name;
        Markers from;
        CollectionDelta<Marker> delta;
        Markers expected;
    };
    std::vector<Case> cases = {
        {"added descending", markers({{2, 0}}), {{{9, 1}, {5, 1}, {1, 1}}, {}, {}},
         markers({{1, 1}, {2, 0}, {5, 1}, {9, 1}})},
        {"added twice, the later stays", markers({}), {{{4, 1}, {4, 2}}, {}, {}}, markers({{4, 2}})},
        {"added over a present id", markers({{3, 0}, {8, 0}}), {{{3, 5}}, {}, {}}, markers({{3, 5}, {8, 0}})},
        {"removed unsorted with a missing id", markers({{1, 0}, {2, 0}, {3, 0}, {4, 0}}), {{}, {4, 7, 1}, {}},
         markers({{2, 0}, {3, 0}})},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.name);
        kimbly::update(c.from, c.delta);
        EXPECT_EQ(c.from, c.expected);
    }
}

TEST(Collection, JsonForm) {
    auto c = markers({{7, 1.5f}});
    EXPECT_EQ(pakko::json::to_json(c).dump(), R"({"by_id":{"7":{"id":7,"height":1.5}}})");
    EXPECT_EQ(pakko::json::parse<Markers>(pakko::json::dump(c)), c);
    EXPECT_EQ(pakko::json::parse<Markers>(R"({"by_id": {}})"), Markers{});
    EXPECT_EQ(pakko::json::parse<Markers>(R"({"other": 1, "by_id": {}})"), Markers{});
    EXPECT_EQ(pakko::json::parse<Markers>(R"([{}])"), Markers{});

    auto mismatched = pakko::json::parse<Markers>(R"({"by_id": {"7": {"id": 9, "height": 0}}})");
    ASSERT_NE(mismatched.get(7), nullptr);
    EXPECT_EQ(mismatched.get(7)->id, 9u);

    auto repeated = pakko::json::parse<Markers>(R"({"by_id": {"7": {"id": 7, "height": 1}, "7": {"id": 7, "height": 2}}})");
    EXPECT_EQ(repeated.get(7)->height, 2.0f);

    struct Case {
        const char* text;
        const char* error_part;
    };
    std::vector<Case> cases = {
        {"{}", "by_id"},
        {R"({"by_id": {}, "by_id": {}})", "by_id"},
        {"[]", "struct Collection with 1 element"},
        {"[{}, {}]", ""},
        {"3", "struct Collection"},
        {R"({"by_id": {"x": {"id": 1, "height": 0}}})", ""},
    };
    for (const auto& e : cases) {
        SCOPED_TRACE(e.text);
        auto message = testing::json_error_of([&] { pakko::json::parse<Markers>(e.text); });
        EXPECT_NE(message, "<no error>");
        EXPECT_NE(message.find(e.error_part), std::string::npos) << message;
    }
}

}  // namespace
}  // namespace velmora::model
