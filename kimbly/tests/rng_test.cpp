#include "kimbly/rng.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <thread>
#include <vector>

#include "kimbly/panic.hpp"

namespace kimbly::rng {
namespace {

// Hands out scripted 32-bit words and counts the draws.
class ScriptedRng final : public Rng {
public:
    explicit ScriptedRng(std::vector<std::uint32_t> words) : words_(std::move(words)) {}
    std::uint32_t fetch_u32() override { return words_.at(draws_++); }
    std::uint64_t next_u64() override {
        std::uint64_t low = next_u32();
        return low | (std::uint64_t{next_u32()} << 32);
    }
    std::size_t draws() const { return draws_; }

private:
    std::vector<std::uint32_t> words_;
    std::size_t draws_ = 0;
};

TEST(RngBelow, MultiplyAndRejectOnThirtyTwoBitDraws) {
    struct Case {
        std::uint64_t n;
        std::vector<std::uint32_t> words;
        std::uint64_t expected;
        std::size_t draws;
    };
    const Case cases[] = {
        {1, {0xFFFFFFFF}, 0, 1},               // n == 1 still draws
        {2, {0x80000000}, 1, 1},               // the high half of word * n
        {3, {0xFFFFFFFF}, 2, 1},
        {3, {0, 5}, 0, 2},                     // low half 0 < 2^32 mod 3: drawn again
        {3, {0x55555556, 7}, 1, 1},            // low half 2 is not below the threshold 1
        {0xFFFFFFFF, {0xFFFFFFFF}, 0xFFFFFFFE, 1},
        {6, {0x2AAAAAAB, 0x2AAAAAAC}, 1, 2},   // low half 2 < 2^32 mod 6 == 4: drawn again
        {6, {0x2AAAAAAC}, 1, 1},               // low half 8 is kept
    };
    for (const Case& c : cases) {
        ScriptedRng rng(c.words);
        EXPECT_EQ(below(rng, c.n), c.expected) << "n=" << c.n;
        EXPECT_EQ(rng.draws(), c.draws) << "n=" << c.n;
    }
}

TEST(RngBelow, BoundOutsideThirtyTwoBitsStops) {
    auto quiet = set_panic_hook([](const PanicInfo&) {});
    ScriptedRng rng({1, 2});
    EXPECT_THROW(below(rng, 0), Panic);
    EXPECT_THROW(below(rng, std::uint64_t{1} << 32), Panic);
    set_panic_hook(quiet);
}

TEST(RngOneIn, TrueWhenDrawTimesKStaysBelowTwoToThe64) {
    struct Case {
        std::uint64_t k;
        std::uint64_t draw;
        bool expected;
    };
    const Case cases[] = {
        {1, ~std::uint64_t{0}, true},
        {2, (std::uint64_t{1} << 63) - 1, true},
        {2, std::uint64_t{1} << 63, false},
        {3, 0x5555555555555555, true},
        {3, 0x5555555555555556, false},
    };
    for (const Case& c : cases) {
        ScriptedRng rng({static_cast<std::uint32_t>(c.draw), static_cast<std::uint32_t>(c.draw >> 32)});
        EXPECT_EQ(one_in(rng, c.k), c.expected) << c.k << " " << c.draw;
        EXPECT_EQ(rng.draws(), 2u);
    }
}

TEST(RngUniform, StaysInsideTheHalfOpenRange) {
    struct Case {
        std::uint32_t word;
        float lo, hi;
        float expected;
    };
    const Case cases[] = {
        {0, -1.0f, 1.0f, -1.0f},
        {0x80000000, 0.0f, 1.0f, 0.5f},
        {0x800000FF, 0.0f, 1.0f, 0.5f},  // the low 8 bits are not used
        {0xFFFFFFFF, 0.0f, 1.0f, 1.0f - 0x1p-24f},
    };
    for (const Case& c : cases) {
        ScriptedRng rng({c.word});
        EXPECT_EQ(uniform_f32(rng, c.lo, c.hi), c.expected) << c.word;
    }
    // 1 + (1 - 2^-24) rounds to 2, which the range excludes.
    ScriptedRng top({0xFFFFFFFF});
    EXPECT_LT(uniform_f32(top, 1.0f, 2.0f), 2.0f);
}

TEST(GlobalRng, OneGeneratorPerThread) {
    Rng* here = &global_rng();
    EXPECT_EQ(&global_rng(), here);
    Rng* there = nullptr;
    std::vector<std::uint64_t> theirs;
    std::thread([&] {
        there = &global_rng();
        for (int i = 0; i < 4; ++i) theirs.push_back(global_rng().next_u64());
    }).join();
    EXPECT_NE(there, here);
    std::vector<std::uint64_t> ours;
    for (int i = 0; i < 4; ++i) ours.push_back(global_rng().next_u64());
    // Independently seeded generators agreeing on 256 bits would be a seeding fault.
    EXPECT_NE(ours, theirs);
    std::set<std::uint64_t> distinct(ours.begin(), ours.end());
    EXPECT_EQ(distinct.size(), ours.size());
}

}  // namespace
}  // namespace kimbly::rng
