#pragma once
// The match generator: ChaCha20 with 20 rounds used as a keystream of raw
// words. Every draw of the rules comes from here, so the layout below is fixed
// for good: changing any of it changes every map and match of a given seed.
//
// How raw words are produced:
// - The input state is the four constant words "expand 32-byte k", the eight
//   key words (the 32 key bytes read little-endian), then words 12..15: the
//   64-bit block counter (low word in 12, high word in 13) and the 64-bit
//   stream number (low word in 14, high word in 15). The stream is always 0
//   and the counter starts at 0. For counters below 2^32 this is the same
//   block as RFC 7539's with that counter and a zero nonce.
// - One block (20 rounds, then the input added word by word) gives 16 words;
//   next_u32 hands them out in order, word 0 first, each being the
//   little-endian reading of 4 keystream bytes. After word 15 comes word 0 of
//   the block with the next counter. Blocks are computed a batch at a time,
//   side by side, a speed-up only: the words are those of one block after
//   another.
// - next_u64 is two next_u32 draws, the first the low half; it may straddle
//   two blocks.
// Integers in a range, coin flips, floats and shuffles are cut from these
// words only by the helpers of rng.hpp.
#include <array>
#include <cstdint>
#include <vector>

#include "kimbly/rng.hpp"

namespace kimbly::rng {

using ChaChaKey = std::array<std::uint8_t, 32>;
using ChaChaBlock = std::array<std::uint32_t, 16>;

// One ChaCha20 block for a key and the four words 12..15 of the input state
// (block counter and nonce in whatever layout the caller uses).
ChaChaBlock chacha20_block(const ChaChaKey& key, const std::array<std::uint32_t, 4>& position);

// How many blocks the generator computes at once.
inline constexpr unsigned CHACHA_BATCH = 16;
using ChaChaBatch = std::array<std::uint32_t, 16 * CHACHA_BATCH>;

// The ways of computing a batch: 4, 8 or 16 blocks side by side in the
// vector registers of the x86-64 baseline, of AVX2 or of AVX-512. All give
// the same words; the widest one the processor has is used.
enum class ChaChaKernel { Sse2, Avx2, Avx512 };

// The kernels this processor can run, narrowest first.
std::vector<ChaChaKernel> chacha20_kernels();

// The blocks of stream 0 with the counters `counter`, `counter + 1`, ...
// (mod 2^64), one after the other, computed by `kernel`, which must be one
// of chacha20_kernels().
void chacha20_batch(const ChaChaKey& key, std::uint64_t counter, ChaChaKernel kernel, ChaChaBatch& out);

class ChaCha20Rng final : public Rng {
public:
    explicit ChaCha20Rng(const ChaChaKey& key);
    // A copy continues from the same point; its look-ahead is its own.
    ChaCha20Rng(const ChaCha20Rng& other);
    ChaCha20Rng& operator=(const ChaCha20Rng& other);

    // The match generator of a 64-bit seed. The key comes from a PCG32
    // sequence started at the seed: for each of the eight key words in
    // order, the state s advances as s = s * 6364136223846793005 +
    // 11634580027462260723 (mod 2^64), and the word is
    // (((s >> 18) ^ s) >> 27) as 32 bits rotated right by (s >> 59);
    // each word is stored little-endian in the key.
    static ChaCha20Rng seed_from_u64(std::uint64_t seed);

    std::uint64_t next_u64() override;

private:
    std::uint32_t fetch_u32() override;
    void refill();

    std::array<std::uint32_t, 8> key_words_{};
    std::uint64_t counter_ = 0;  // the first block that the next refill computes
    ChaChaBatch words_{};
};

}  // namespace kimbly::rng
