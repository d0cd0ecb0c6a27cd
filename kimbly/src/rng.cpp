#include "kimbly/rng.hpp"

#include <sys/random.h>

#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <string>

#include "kimbly/panic.hpp"

namespace kimbly::rng {
namespace {

// xoshiro256**: small, fast, and good enough for values nobody replays.
class Xoshiro256 final : public Rng {
public:
    Xoshiro256() {
        std::array<unsigned char, sizeof(state_)> seed{};
        std::size_t filled = 0;
        while (filled < seed.size()) {
            ssize_t n = ::getrandom(seed.data() + filled, seed.size() - filled, 0);
            if (n < 0) {
                if (errno == EINTR) continue;
                panic(std::string("Failed to seed the thread's random generator: ") + std::strerror(errno));
            }
            filled += static_cast<std::size_t>(n);
        }
        std::memcpy(state_, seed.data(), sizeof(state_));
        // The all-zero state would only ever produce zeros.
        if ((state_[0] | state_[1] | state_[2] | state_[3]) == 0) state_[0] = 1;
    }

    std::uint64_t next_u64() override {
        std::uint64_t low = next_u32();
        std::uint64_t high = next_u32();
        return low | (high << 32);
    }

private:
    std::uint32_t fetch_u32() override { return static_cast<std::uint32_t>(next() >> 32); }

    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

    std::uint64_t next() {
        std::uint64_t result = rotl(state_[1] * 5, 7) * 9;
        std::uint64_t t = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = rotl(state_[3], 45);
        return result;
    }

    std::uint64_t state_[4];
};

}  // namespace

namespace detail {

void below_out_of_range() { panic("rng::below: bound out of range"); }

// The rest of below() once the first draw's low half fell below the bound.
std::uint64_t below_rejecting(Rng& rng, std::uint32_t bound, std::uint64_t product) {
    // 2^32 mod bound: the draws that would make some results likelier.
    const std::uint32_t threshold = static_cast<std::uint32_t>(-bound) % bound;
    while (static_cast<std::uint32_t>(product) < threshold) product = std::uint64_t{rng.next_u32()} * bound;
    return product >> 32;
}

}  // namespace detail

bool one_in(Rng& rng, std::uint64_t k) {
    if (k == 0) panic("rng::one_in: k must be at least 1");
    unsigned __int128 product = static_cast<unsigned __int128>(rng.next_u64()) * k;
    return (product >> 64) == 0;
}

float uniform_f32(Rng& rng, float lo, float hi) {
    float unit = static_cast<float>(rng.next_u32() >> 8) * 0x1p-24f;
    float value = lo + (hi - lo) * unit;
    // Rounding can land on hi itself, which the range excludes.
    return value < hi ? value : std::nextafter(hi, lo);
}

Rng& global_rng() {
    thread_local Xoshiro256 generator;
    return generator;
}

}  // namespace kimbly::rng
