#include "kimbly/chacha20.hpp"

#include <bit>

namespace kimbly::rng {

namespace {

// "expand 32-byte k" read as four little-endian words.
constexpr std::array<std::uint32_t, 4> SIGMA = {0x61707865u, 0x3320646eu, 0x79622d32u, 0x6b206574u};

inline void quarter_round(ChaChaBlock& s, int a, int b, int c, int d) {
    s[a] += s[b]; s[d] ^= s[a]; s[d] = std::rotl(s[d], 16);
    s[c] += s[d]; s[b] ^= s[c]; s[b] = std::rotl(s[b], 12);
    s[a] += s[b]; s[d] ^= s[a]; s[d] = std::rotl(s[d], 8);
    s[c] += s[d]; s[b] ^= s[c]; s[b] = std::rotl(s[b], 7);
}

ChaChaBlock block_of_words(const std::array<std::uint32_t, 8>& key, const std::array<std::uint32_t, 4>& position) {
    ChaChaBlock input;
    for (int i = 0; i < 4; ++i) input[i] = SIGMA[i];
    for (int i = 0; i < 8; ++i) input[4 + i] = key[i];
    for (int i = 0; i < 4; ++i) input[12 + i] = position[i];

    ChaChaBlock s = input;
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
    for (int i = 0; i < 16; ++i) s[i] += input[i];
    return s;
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
    block_ = block_of_words(key_words_, {static_cast<std::uint32_t>(counter_),
                                         static_cast<std::uint32_t>(counter_ >> 32), 0u, 0u});
    ++counter_;
    index_ = 0;
}

std::uint32_t ChaCha20Rng::next_u32() {
    if (index_ >= block_.size()) refill();
    return block_[index_++];
}

std::uint64_t ChaCha20Rng::next_u64() {
    std::uint64_t low = next_u32();
    std::uint64_t high = next_u32();
    return high << 32 | low;
}

}  // namespace kimbly::rng
