#pragma once
// Random sources. Two generators stand behind one interface: the per-thread
// generator of global_rng() (for what need not be reproducible: match seeds,
// the keyboard player, scenery) and the match's seeded ChaCha20 generator
// (chacha20.hpp), from which every draw of the rules comes.
//
// Values are cut from the raw words only by the helpers below, each with a
// fixed algorithm, so that a seed replays the same match on every machine.
// std:: distributions and std::shuffle are never used: their algorithms
// differ between standard libraries.
#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>

namespace kimbly::rng {

class Rng {
public:
    virtual ~Rng() = default;
    virtual std::uint32_t next_u32() = 0;
    // Two next_u32 draws: the first is the low half.
    virtual std::uint64_t next_u64() = 0;
};

// Uniform integer in [0, n), Lemire's multiply-and-reject on 32-bit draws.
// Always consumes at least one draw, also for n == 1. n must be in [1, 2^32).
std::uint64_t below(Rng& rng, std::uint64_t n);

// True with probability 1/k (k >= 1): one 64-bit draw v, true when v * k < 2^64.
bool one_in(Rng& rng, std::uint64_t k);

// Uniform float in [lo, hi) from one 32-bit draw (24 high bits).
float uniform_f32(Rng& rng, float lo, float hi);

// Index of a uniform choice among n elements (below(n): draws even for n == 1).
inline std::size_t choose_index(Rng& rng, std::size_t n) { return static_cast<std::size_t>(below(rng, n)); }

// Backward shuffle: for i from size down to 2, j = below(i), swap [i-1] and [j].
// 0 or 1 elements take no draw.
template <class T>
void shuffle(Rng& rng, std::span<T> items) {
    for (std::size_t i = items.size(); i >= 2; --i) {
        std::size_t j = static_cast<std::size_t>(below(rng, i));
        using std::swap;
        swap(items[i - 1], items[j]);
    }
}

// The calling thread's own generator, seeded from the OS entropy source on
// first use. Never hand it to another thread.
Rng& global_rng();

}  // namespace kimbly::rng
