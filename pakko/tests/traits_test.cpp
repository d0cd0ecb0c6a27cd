#include <gtest/gtest.h>

#include <pakko/json.hpp>
#include <pakko/measure.hpp>
#include <pakko/pakko.hpp>
#include <pakko/schema.hpp>

#include "test_support/bytes.hpp"
#include "stand_ins.hpp"

using test_support::to_hex;

namespace traits_stand_in {

// A described record whose schema name is computed elsewhere: only the
// schema comes from its Traits, every other form from the description.
struct Pair {
    std::int32_t a = 0;
    std::int32_t b = 0;
    bool operator==(const Pair&) const = default;
};

constexpr auto pakko_describe(pakko::Tag<Pair>) {
    return pakko::record<Pair>("Pair", pakko::no_doc(), pakko::field("a", &Pair::a), pakko::field("b", &Pair::b));
}

// A type with all of its forms hand-made.
struct Tally {
    std::int32_t count = 0;
    bool operator==(const Tally&) const = default;
};

}  // namespace traits_stand_in

template <>
struct pakko::Traits<traits_stand_in::Pair> {
    static Schema create_schema() {
        Struct s = record_struct<traits_stand_in::Pair>();
        s.name = Name("Pair" + Schema::of<std::int32_t>()->full_name());
        return s;
    }
};

template <>
struct pakko::Traits<traits_stand_in::Tally> {
    static Schema create_schema() { return Schema::Int64{}; }
    static traits_stand_in::Tally read(Reader& reader) { return {pakko::read<std::int32_t>(reader) / 2}; }
    static void write(Writer& writer, const traits_stand_in::Tally& value) { pakko::write(writer, value.count * 2); }
    static nlohmann::ordered_json to_json(const traits_stand_in::Tally& value) {
        return std::string(static_cast<std::size_t>(value.count), '|');
    }
    static traits_stand_in::Tally from_json(const json::Value& value) {
        return {static_cast<std::int32_t>(pakko::json::from_json<std::string>(value).size())};
    }
    static std::size_t measure(const traits_stand_in::Tally&) { return 1; }
};

namespace {

using traits_stand_in::Pair;
using traits_stand_in::Tally;

TEST(Traits, HandMadeFormsAreUsedInsideContainers) {
    std::vector<Tally> tallies{{3}, {1}};
    EXPECT_EQ(to_hex(pakko::to_bytes(tallies)), "02 00 00 00 06 00 00 00 02 00 00 00");
    EXPECT_EQ(pakko::from_bytes<std::vector<Tally>>(pakko::to_bytes(tallies)), tallies);
    EXPECT_EQ(pakko::json::to_json(tallies).dump(), R"(["|||","|"])");
    EXPECT_EQ(pakko::json::parse<std::vector<Tally>>(R"(["||"])"), std::vector<Tally>{{2}});
    EXPECT_EQ(pakko::measured_size(tallies), 8u + 2u);
    EXPECT_EQ(pakko::Schema::of<std::optional<Tally>>()->full_name(), "OptInt64");
}

TEST(Traits, DescriptionServesTheFormsTheTraitsLeaveOut) {
    EXPECT_EQ(pakko::from_bytes<Pair>(pakko::to_bytes(Pair{1, -2})), (Pair{1, -2}));
    EXPECT_EQ(pakko::json::dump(Pair{1, 2}), "{\n  \"a\": 1,\n  \"b\": 2\n}");
    EXPECT_EQ(pakko::Schema::of<Pair>()->full_name(), "PairInt32");
}

}  // namespace
