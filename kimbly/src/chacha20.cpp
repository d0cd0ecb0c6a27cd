#include "kimbly/chacha20.hpp"

#include <bit>
#include <cstring>

namespace kimbly::rng {

namespace {

// "expand 32-byte k" read as four little-endian words.
constexpr std::array<std::uint32_t, 4> SIGMA = {0x61707865u, 0x3320646eu, 0x79622d32u, 0x6b206574u};

// The rounds are written once for plain words and for vectors of words.
template <int N, class W>
inline W rotl(W v) {
    return (v << N) | (v >> (32 - N));
}

template <class S>
inline void quarter_round(S& s, int a, int b, int c, int d) {
    s[a] += s[b]; s[d] ^= s[a]; s[d] = rotl<16>(s[d]);
    s[c] += s[d]; s[b] ^= s[c]; s[b] = rotl<12>(s[b]);
    s[a] += s[b]; s[d] ^= s[a]; s[d] = rotl<8>(s[d]);
    s[c] += s[d]; s[b] ^= s[c]; s[b] = rotl<7>(s[b]);
}

// Twenty rounds as ten double rounds: columns, then diagonals.
template <class S>
inline void twenty_rounds(S& s) {
    for (int round = 0; round < 10; ++round) {
        quarter_round(s, 0, 4, 8, 12);
        quarter_round(s, 1, 5, 9, 13);
        quarter_round(s, 2, 6, 10, 14);
        quarter_round(s, 3, 7, 11, 15);
        quarter_round(s, 0, 5, 10, 15);
        quarter_round(s, 1, 6, 11, 12);
        quarter_round(s, 2, 7, 8, 13);
        quarter_round(s, 3, 4, 9, 14);
    }
}

ChaChaBlock block_of_words(const std::array<std::uint32_t, 8>& key, const std::array<std::uint32_t, 4>& position) {
    ChaChaBlock input;
    for (int i = 0; i < 4; ++i) input[i] = SIGMA[i];
    for (int i = 0; i < 8; ++i) input[4 + i] = key[i];
    for (int i = 0; i < 4; ++i) input[12 + i] = position[i];

    ChaChaBlock s = input;
    twenty_rounds(s);
    for (int i = 0; i < 16; ++i) s[i] += input[i];
    return s;
}

// One lane per block. Plain GCC vectors compile to the SSE2 baseline that
// every x86-64 machine has, so no CPU detection is needed; the rounds and the
// wrapping adds are the same as above, lane by lane.
using Lanes = std::uint32_t __attribute__((vector_size(4 * CHACHA_LANES)));

// Writes the blocks with counters counter, counter + 1, ... one after the
// other into `out`.
void blocks_of_words(const std::array<std::uint32_t, 8>& key, std::uint64_t counter,
                     std::array<std::uint32_t, 16 * CHACHA_LANES>& out) {
    Lanes input[16];
    for (int i = 0; i < 4; ++i) input[i] = Lanes{} + SIGMA[i];
    for (int i = 0; i < 8; ++i) input[4 + i] = Lanes{} + key[i];
    for (unsigned lane = 0; lane < CHACHA_LANES; ++lane) {
        // The 64-bit counter carries into word 13 in the lane that wraps.
        const std::uint64_t block = counter + lane;
        input[12][lane] = static_cast<std::uint32_t>(block);
        input[13][lane] = static_cast<std::uint32_t>(block >> 32);
    }
    input[14] = Lanes{};
    input[15] = Lanes{};

    Lanes s[16];
    for (int i = 0; i < 16; ++i) s[i] = input[i];
    twenty_rounds(s);
    for (int i = 0; i < 16; ++i) s[i] += input[i];
    // Transposed four words at a time with shuffles: pulling single lanes out
    // costs as much as the rounds.
    using Picks = std::int32_t __attribute__((vector_size(4 * CHACHA_LANES)));
    static_assert(CHACHA_LANES == 4, "the transpose below is 4 by 4");
    for (int i = 0; i < 16; i += 4) {
        const Lanes low01 = __builtin_shuffle(s[i], s[i + 1], Picks{0, 4, 1, 5});
        const Lanes low23 = __builtin_shuffle(s[i + 2], s[i + 3], Picks{0, 4, 1, 5});
        const Lanes high01 = __builtin_shuffle(s[i], s[i + 1], Picks{2, 6, 3, 7});
        const Lanes high23 = __builtin_shuffle(s[i + 2], s[i + 3], Picks{2, 6, 3, 7});
        const Lanes rows[CHACHA_LANES] = {
            __builtin_shuffle(low01, low23, Picks{0, 1, 4, 5}),
            __builtin_shuffle(low01, low23, Picks{2, 3, 6, 7}),
            __builtin_shuffle(high01, high23, Picks{0, 1, 4, 5}),
            __builtin_shuffle(high01, high23, Picks{2, 3, 6, 7}),
        };
        for (unsigned lane = 0; lane < CHACHA_LANES; ++lane)
            std::memcpy(&out[16 * lane + i], &rows[lane], sizeof(Lanes));
    }
}

std::array<std::uint32_t, 8> key_words_of(const ChaChaKey& key) {
    std::array<std::uint32_t, 8> words;
    for (int i = 0; i < 8; ++i) {
        words[i] = std::uint32_t{key[4 * i]} | std::uint32_t{key[4 * i + 1]} << 8 |
                   std::uint32_t{key[4 * i + 2]} << 16 | std::uint32_t{key[4 * i + 3]} << 24;
    }
    return words;
}

}  // namespace

ChaChaBlock chacha20_block(const ChaChaKey& key, const std::array<std::uint32_t, 4>& position) {
    return block_of_words(key_words_of(key), position);
}

std::array<ChaChaBlock, CHACHA_LANES> chacha20_blocks(const ChaChaKey& key, std::uint64_t counter) {
    std::array<std::uint32_t, 16 * CHACHA_LANES> words;
    blocks_of_words(key_words_of(key), counter, words);
    std::array<ChaChaBlock, CHACHA_LANES> blocks;
    for (unsigned lane = 0; lane < CHACHA_LANES; ++lane)
        for (int i = 0; i < 16; ++i) blocks[lane][i] = words[16 * lane + i];
    return blocks;
}

ChaCha20Rng::ChaCha20Rng(const ChaChaKey& key) : key_words_(key_words_of(key)) {}

ChaCha20Rng ChaCha20Rng::seed_from_u64(std::uint64_t seed) {
    ChaChaKey key;
    std::uint64_t s = seed;
    for (int i = 0; i < 8; ++i) {
        s = s * 6364136223846793005ull + 11634580027462260723ull;
        auto xorshifted = static_cast<std::uint32_t>(((s >> 18) ^ s) >> 27);
        std::uint32_t word = std::rotr(xorshifted, static_cast<int>(s >> 59));
        for (int b = 0; b < 4; ++b) key[4 * i + b] = static_cast<std::uint8_t>(word >> (8 * b));
    }
    return ChaCha20Rng(key);
}

void ChaCha20Rng::refill() {
    blocks_of_words(key_words_, counter_, words_);
    counter_ += CHACHA_LANES;
    index_ = 0;
}

std::uint32_t ChaCha20Rng::next_u32() {
    if (index_ >= words_.size()) refill();
    return words_[index_++];
}

std::uint64_t ChaCha20Rng::next_u64() {
    std::uint64_t low = next_u32();
    std::uint64_t high = next_u32();
    return high << 32 | low;
}

}  // namespace kimbly::rng
