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

    // The next raw word. Words the generator has computed ahead are handed
    // out here without a call: the rules draw millions of words a match, most
    // of them one at a time.
    std::uint32_t next_u32() { return ahead_ != ahead_end_ ? *ahead_++ : fetch_u32(); }
    // Two next_u32 draws: the first is the low half.
    virtual std::uint64_t next_u64() = 0;

protected:
    Rng() = default;
    Rng(const Rng&) = default;
    Rng& operator=(const Rng&) = default;

    // The next word when none is held ahead.
    virtual std::uint32_t fetch_u32() = 0;

    // The words computed ahead and not yet handed out. A generator without
    // such a buffer leaves both null; one with a buffer points them into it
    // and, when copied, into the copy's own buffer.
    const std::uint32_t* ahead_ = nullptr;
    const std::uint32_t* ahead_end_ = nullptr;
};

namespace detail {
[[noreturn]] void below_out_of_range();
std::uint64_t below_rejecting(Rng& rng, std::uint32_t bound, std::uint64_t product);
}  // namespace detail

// Uniform integer in [0, n), Lemire's multiply-and-reject on 32-bit draws.
// Always consumes at least one draw, also for n == 1. n must be in [1, 2^32).
// Inline: shuffles of thousands of entities call it every tick.
inline std::uint64_t below(Rng& rng, std::uint64_t n) {
    if (n == 0 || n > 0xFFFFFFFFull) [[unlikely]]
        detail::below_out_of_range();
    const auto bound = static_cast<std::uint32_t>(n);
    const std::uint64_t product = std::uint64_t{rng.next_u32()} * bound;
    // Only a low half below the bound can call for another draw.
    if (static_cast<std::uint32_t>(product) < bound) [[unlikely]]
        return detail::below_rejecting(rng, bound, product);
    return product >> 32;
}

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
