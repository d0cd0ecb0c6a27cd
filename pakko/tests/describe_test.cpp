#include <gtest/gtest.h>

#include <array>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include <pakko/pakko.hpp>
#include <pakko/schema.hpp>

#include "test_support/bytes.hpp"

using test_support::to_hex;

namespace describe_stand_in {

// Members whose types convert from nearly anything must still count once
// each: texts, variants, optionals, containers, nested aggregates, arrays,
// and members with default values.
struct Point {
    float x = 0;
    float y = 0;
};
struct Mixed {
    Point at;
    std::string name;
    std::variant<std::int32_t, std::string> either;
    std::optional<std::int32_t> maybe;
    std::vector<Point> path;
    std::map<std::string, std::int32_t> scores;
    std::array<std::int32_t, 3> triple{};
    bool on = true;
};
struct Nothing {};

static_assert(pakko::member_count<Point> == 2);
static_assert(pakko::member_count<Mixed> == 8);
static_assert(pakko::member_count<Nothing> == 0);

// A record that keeps a member out of every form on purpose.
struct Cached {
    std::int32_t value = 0;
    std::string scratch;
    bool operator==(const Cached&) const = default;
};

constexpr auto pakko_describe(pakko::Tag<Cached>) {
    return pakko::record<Cached>("Cached", pakko::no_doc(), pakko::skipping(&Cached::scratch),
                                 pakko::field("value", &Cached::value));
}

}  // namespace describe_stand_in

namespace {

using describe_stand_in::Cached;

TEST(Describe, ASkippedMemberIsLeftOutOfEveryForm) {
    const Cached cached{7, "not sent"};
    auto bytes = pakko::to_bytes(cached);
    EXPECT_EQ(to_hex(bytes), "07 00 00 00");
    EXPECT_EQ(pakko::from_bytes<Cached>(bytes), (Cached{7, ""}));

    auto schema = pakko::Schema::of<Cached>();
    const auto& record = std::get<pakko::Struct>(schema->value);
    ASSERT_EQ(record.fields.size(), 1u);
    EXPECT_EQ(record.fields[0].name, pakko::Name("value"));
}

}  // namespace
