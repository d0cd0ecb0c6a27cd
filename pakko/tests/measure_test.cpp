#include <gtest/gtest.h>

#include <pakko/measure.hpp>

#include "stand_ins.hpp"

namespace {

using namespace stand_in;

TEST(Measure, CountsEachPartOfTheCompactForm) {
    struct Case {
        const char* name;
        std::size_t size;
        std::size_t expected;
    };
    const Case cases[] = {
        {"bool", pakko::measured_size(true), 1},
        {"int32", pakko::measured_size(std::int32_t{5}), 4},
        {"size value", pakko::measured_size(std::uint64_t{5}), 8},
        {"float", pakko::measured_size(1.0f), 4},
        {"enumeration", pakko::measured_size(UnitKind::K3), 4},
        {"string", pakko::measured_size(std::string("abc")), 8 + 3},
        {"absent", pakko::measured_size(std::optional<std::uint64_t>()), 1},
        {"present", pakko::measured_size(std::optional<std::uint64_t>(1)), 1 + 8},
        {"sequence", pakko::measured_size(std::vector<UnitKind>(3)), 8 + 3 * 4},
        {"map", pakko::measured_size(std::map<std::uint64_t, bool>{{1, true}, {2, false}}), 8 + 2 * (8 + 1)},
        {"record", pakko::measured_size(Move{}), 4 + 4 + 1 + 1},
        {"one-of", pakko::measured_size(Message{Repair{1}}), 4 + 8},
        {"nested", pakko::measured_size(Unit{1, 2, UnitKind::K0, "ab", 0, {UnitKind::K1}, {{1, Move{}}}}),
         8 + (1 + 8) + 4 + (8 + 2) + 4 + (8 + 4) + (8 + 8 + 10)},
    };
    for (const auto& c : cases) EXPECT_EQ(c.size, c.expected) << c.name;
}

}  // namespace
