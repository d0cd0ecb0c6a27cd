#include "kimbly/chacha20.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace kimbly::rng {
namespace {

ChaChaKey counting_key() {
    ChaChaKey key;
    for (std::size_t i = 0; i < key.size(); ++i) key[i] = static_cast<std::uint8_t>(i);
    return key;
}

std::vector<std::uint32_t> draw_u32(Rng& rng, int count) {
    std::vector<std::uint32_t> out;
    for (int i = 0; i < count; ++i) out.push_back(rng.next_u32());
    return out;
}

// RFC 7539, 2.3.2: key 00..1f, nonce 00 00 00 09 00 00 00 4a 00 00 00 00,
// block counter 1.
TEST(ChaCha20Block, ReproducesRfc7539BlockVector) {
    const std::array<std::uint32_t, 4> position = {1u, 0x09000000u, 0x4a000000u, 0u};
    const ChaChaBlock expected = {
        0xe4e7f110u, 0x15593bd1u, 0x1fdd0f50u, 0xc47120a3u,
        0xc7f4d1c7u, 0x0368c033u, 0x9aaa2204u, 0x4e6cd4c3u,
        0x466482d2u, 0x09aa9f07u, 0x05d7c214u, 0xa2028bd9u,
        0xd19c12b5u, 0xb94e16deu, 0xe883d0cbu, 0x4e3c50a2u,
    };
    EXPECT_EQ(chacha20_block(counting_key(), position), expected);
}

ChaChaKey seeded_key(std::uint64_t seed) {
    ChaChaKey key;
    for (std::size_t i = 0; i < key.size(); ++i) {
        seed = seed * 6364136223846793005ull + 1442695040888963407ull;
        key[i] = static_cast<std::uint8_t>(seed >> 56);
    }
    return key;
}

ChaChaBlock reference_block(const ChaChaKey& key, std::uint64_t counter) {
    return chacha20_block(key, {static_cast<std::uint32_t>(counter), static_cast<std::uint32_t>(counter >> 32), 0u, 0u});
}

// Every kernel this processor runs gives the one-block function's blocks,
// one after the other, including where a lane's counter carries into its
// high word or wraps.
TEST(ChaCha20Batch, EveryKernelGivesTheOneBlockReference) {
    const std::uint64_t counters[] = {0, 1, 5, 0xfffffff8ull, 0xffffffffull, 0x123456789abcdefull, ~0ull - 1};
    for (ChaChaKernel kernel : chacha20_kernels()) {
        for (const ChaChaKey& key : {ChaChaKey{}, counting_key(), seeded_key(11)}) {
            for (std::uint64_t counter : counters) {
                ChaChaBatch batch;
                chacha20_batch(key, counter, kernel, batch);
                for (unsigned block = 0; block < CHACHA_BATCH; ++block) {
                    const ChaChaBlock expected = reference_block(key, counter + block);
                    for (unsigned word = 0; word < 16; ++word)
                        ASSERT_EQ(batch[16 * block + word], expected[word])
                            << "kernel " << static_cast<int>(kernel) << ", key byte 31 " << int{key[31]}
                            << ", counter " << counter << ", block " << block << ", word " << word;
                }
            }
        }
    }
}

// Many refills in, and not a multiple of a refill: the generator's words are
// the reference blocks with counters 0, 1, 2, ... one after the other.
TEST(ChaCha20Rng, WordsAreConsecutiveReferenceBlocks) {
    for (const ChaChaKey& key : {ChaChaKey{}, counting_key(), seeded_key(11)}) {
        ChaCha20Rng rng(key);
        const std::vector<std::uint32_t> drawn = draw_u32(rng, 16 * 41 + 5);
        for (std::size_t i = 0; i < drawn.size(); ++i)
            ASSERT_EQ(drawn[i], reference_block(key, i / 16)[i % 16]) << "key byte 31 " << int{key[31]} << ", word " << i;
    }
}

// The keystream of an all-zero key and nonce (RFC 7539, appendix A.1, test
// vectors 1 and 2) read as little-endian words: checks the word order, the
// start at counter 0 and the move to the next block after 16 words.
TEST(ChaCha20Rng, ZeroKeyGivesTheRfcKeystreamAcrossBlocks) {
    ChaCha20Rng rng(ChaChaKey{});
    std::vector<std::uint32_t> words = draw_u32(rng, 20);
    EXPECT_EQ(words[0], 0xade0b876u);
    EXPECT_EQ(words[1], 0x903df1a0u);
    EXPECT_EQ(words[15], 0x8665eeb2u);
    EXPECT_EQ(words[16], 0xbee7079fu);
    EXPECT_EQ(words[17], 0x7a385155u);
}

TEST(ChaCha20Rng, SeedExpansionGivesKnownFirstWords) {
    struct Case {
        std::uint64_t seed;
        std::uint32_t first;
    };
    const Case cases[] = {
        {0, 0x81f5f7b2u},
        {42, 0xd7b54878u},
    };
    for (const Case& c : cases) {
        ChaCha20Rng rng = ChaCha20Rng::seed_from_u64(c.seed);
        EXPECT_EQ(rng.next_u32(), c.first) << "seed " << c.seed;
    }
}

TEST(ChaCha20Rng, SameSeedSameSequenceAndDifferentSeedsDiffer) {
    ChaCha20Rng a = ChaCha20Rng::seed_from_u64(7);
    ChaCha20Rng b = ChaCha20Rng::seed_from_u64(7);
    ChaCha20Rng c = ChaCha20Rng::seed_from_u64(8);
    std::vector<std::uint32_t> wa = draw_u32(a, 100);
    EXPECT_EQ(wa, draw_u32(b, 100));
    EXPECT_NE(wa, draw_u32(c, 100));
}

TEST(ChaCha20Rng, CopyContinuesFromTheSamePoint) {
    ChaCha20Rng a = ChaCha20Rng::seed_from_u64(3);
    draw_u32(a, 21);
    ChaCha20Rng b = a;
    EXPECT_EQ(draw_u32(a, 40), draw_u32(b, 40));
    // Also across a refill, after assignment, and from one never drawn from.
    ChaCha20Rng c = ChaCha20Rng::seed_from_u64(4);
    c = a;
    EXPECT_EQ(draw_u32(a, 16 * CHACHA_BATCH), draw_u32(c, 16 * CHACHA_BATCH));
    ChaCha20Rng fresh = ChaCha20Rng::seed_from_u64(3);
    ChaCha20Rng fresh_copy = fresh;
    EXPECT_EQ(draw_u32(fresh_copy, 3), draw_u32(fresh, 3));
}

// next_u64 is two 32-bit draws, low half first, at every offset within a
// block, including the one that straddles two blocks.
TEST(ChaCha20Rng, U64IsLowWordThenHighWord) {
    for (int offset : {0, 1, 14, 15, 16, 62, 63, 64}) {
        ChaCha20Rng words = ChaCha20Rng::seed_from_u64(99);
        ChaCha20Rng wide = ChaCha20Rng::seed_from_u64(99);
        draw_u32(words, offset);
        draw_u32(wide, offset);
        std::uint64_t low = words.next_u32();
        std::uint64_t high = words.next_u32();
        EXPECT_EQ(wide.next_u64(), high << 32 | low) << "offset " << offset;
        EXPECT_EQ(wide.next_u32(), words.next_u32()) << "offset " << offset;
    }
}

}  // namespace
}  // namespace kimbly::rng
