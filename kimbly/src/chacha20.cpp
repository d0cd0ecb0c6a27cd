#include "kimbly/chacha20.hpp"

#include <algorithm>
#include <bit>
#include <cstring>

#include "kimbly/panic.hpp"

namespace kimbly::rng {

namespace {

// "expand 32-byte k" read as four little-endian words.
constexpr std::array<std::uint32_t, 4> SIGMA = {0x61707865u, 0x3320646eu, 0x79622d32u, 0x6b206574u};

// The rounds are written once for plain words and for vectors of words.
// Vectors are passed by reference: the helpers are inlined into kernels built
// for wider registers than the baseline's, which pass wide vectors by value
// differently.
template <int N, class W>
[[gnu::always_inline]] inline void rotate_left(W& v) {
    v = (v << N) | (v >> (32 - N));
}

template <class S>
[[gnu::always_inline]] inline void quarter_round(S& s, int a, int b, int c, int d) {
    s[a] += s[b]; s[d] ^= s[a]; rotate_left<16>(s[d]);
    s[c] += s[d]; s[b] ^= s[c]; rotate_left<12>(s[b]);
    s[a] += s[b]; s[d] ^= s[a]; rotate_left<8>(s[d]);
    s[c] += s[d]; s[b] ^= s[c]; rotate_left<7>(s[b]);
}

// Twenty rounds as ten double rounds: columns, then diagonals.
template <class S>
[[gnu::always_inline]] inline void twenty_rounds(S& s) {
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

// One lane per block: plain GCC vectors, which each kernel below compiles
// for its own registers. The rounds and the wrapping adds are the same as
// above, lane by lane.
// (An alias template would drop the attribute; a member typedef keeps it.)
template <unsigned L>
struct VectorsOf {
    typedef std::uint32_t Lanes __attribute__((vector_size(4 * L)));
    typedef std::int32_t Picks __attribute__((vector_size(4 * L)));
};
template <unsigned L>
using Lanes = typename VectorsOf<L>::Lanes;
template <unsigned L>
using Picks = typename VectorsOf<L>::Picks;

// One step of an L by L transpose held in L vectors: rows i and i + b swap
// their off-diagonal b by b blocks, which moves bit b of the column index
// into the row index. After the steps for b = 1, 2, ..., L/2 row r holds what
// column r held.
template <unsigned L>
[[gnu::always_inline]] inline void swap_blocks(Lanes<L>* rows, unsigned b) {
    Picks<L> keep_low;
    Picks<L> keep_high;
    for (unsigned j = 0; j < L; ++j) {
        // Indices from L on pick from the second operand.
        keep_low[j] = static_cast<std::int32_t>((j & b) != 0 ? L + j - b : j);
        keep_high[j] = static_cast<std::int32_t>((j & b) != 0 ? L + j : j + b);
    }
    for (unsigned i = 0; i < L; ++i) {
        if ((i & b) != 0) continue;
        const Lanes<L> low = __builtin_shuffle(rows[i], rows[i + b], keep_low);
        const Lanes<L> high = __builtin_shuffle(rows[i], rows[i + b], keep_high);
        rows[i] = low;
        rows[i + b] = high;
    }
}

// The L blocks with counters counter, counter + 1, ... one after the other
// into `out`. Lanes are turned into blocks by transposing L words at a time
// with shuffles: pulling single lanes out costs as much as the rounds.
template <unsigned L>
[[gnu::always_inline]] inline void lanes_of_blocks(const std::array<std::uint32_t, 8>& key, std::uint64_t counter,
                                                   std::uint32_t* out) {
    static_assert(L >= 2 && L <= 16 && (L & (L - 1)) == 0, "the transpose takes L words of each block at a time");
    Lanes<L> input[16];
    for (int i = 0; i < 4; ++i) input[i] = Lanes<L>{} + SIGMA[i];
    for (int i = 0; i < 8; ++i) input[4 + i] = Lanes<L>{} + key[i];
    std::uint32_t low[L];
    std::uint32_t high[L];
    for (unsigned lane = 0; lane < L; ++lane) {
        // The 64-bit counter carries into word 13 in the lane that wraps.
        const std::uint64_t block = counter + lane;
        low[lane] = static_cast<std::uint32_t>(block);
        high[lane] = static_cast<std::uint32_t>(block >> 32);
    }
    std::memcpy(&input[12], low, sizeof(low));
    std::memcpy(&input[13], high, sizeof(high));
    input[14] = Lanes<L>{};
    input[15] = Lanes<L>{};

    Lanes<L> s[16];
    for (int i = 0; i < 16; ++i) s[i] = input[i];
    twenty_rounds(s);
    for (int i = 0; i < 16; ++i) s[i] += input[i];
    for (unsigned first = 0; first < 16; first += L) {
        Lanes<L>* rows = s + first;
        for (unsigned b = 1; b < L; b *= 2) swap_blocks<L>(rows, b);
        for (unsigned lane = 0; lane < L; ++lane) std::memcpy(out + 16 * lane + first, &rows[lane], sizeof(Lanes<L>));
    }
}

using Kernel = void (*)(const std::array<std::uint32_t, 8>&, std::uint64_t, ChaChaBatch&);

template <unsigned L>
[[gnu::always_inline]] inline void batch_of_lanes(const std::array<std::uint32_t, 8>& key, std::uint64_t counter,
                                                  ChaChaBatch& out) {
    static_assert(CHACHA_BATCH % L == 0);
    for (unsigned first = 0; first < CHACHA_BATCH; first += L) lanes_of_blocks<L>(key, counter + first, &out[16 * first]);
}

void batch_sse2(const std::array<std::uint32_t, 8>& key, std::uint64_t counter, ChaChaBatch& out) {
    batch_of_lanes<4>(key, counter, out);
}

[[gnu::target("avx2")]] void batch_avx2(const std::array<std::uint32_t, 8>& key, std::uint64_t counter,
                                        ChaChaBatch& out) {
    batch_of_lanes<8>(key, counter, out);
}

[[gnu::target("avx512f")]] void batch_avx512(const std::array<std::uint32_t, 8>& key, std::uint64_t counter,
                                             ChaChaBatch& out) {
    batch_of_lanes<16>(key, counter, out);
}

Kernel kernel_of(ChaChaKernel kernel) {
    switch (kernel) {
        case ChaChaKernel::Sse2: return batch_sse2;
        case ChaChaKernel::Avx2: return batch_avx2;
        case ChaChaKernel::Avx512: return batch_avx512;
    }
    panic("unknown ChaCha20 kernel");
}

std::vector<ChaChaKernel> supported_kernels() {
    __builtin_cpu_init();
    std::vector<ChaChaKernel> kernels{ChaChaKernel::Sse2};
    if (__builtin_cpu_supports("avx2")) kernels.push_back(ChaChaKernel::Avx2);
    if (__builtin_cpu_supports("avx512f")) kernels.push_back(ChaChaKernel::Avx512);
    return kernels;
}

const std::vector<ChaChaKernel>& kernels() {
    static const std::vector<ChaChaKernel> supported = supported_kernels();
    return supported;
}

Kernel fastest_kernel() {
    static const Kernel fastest = kernel_of(kernels().back());
    return fastest;
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

std::vector<ChaChaKernel> chacha20_kernels() { return kernels(); }

void chacha20_batch(const ChaChaKey& key, std::uint64_t counter, ChaChaKernel kernel, ChaChaBatch& out) {
    const auto& supported = kernels();
    if (std::find(supported.begin(), supported.end(), kernel) == supported.end())
        panic("this processor cannot run the ChaCha20 kernel asked for");
    kernel_of(kernel)(key_words_of(key), counter, out);
}

ChaCha20Rng::ChaCha20Rng(const ChaChaKey& key) : key_words_(key_words_of(key)) {
    // Nothing computed yet: the first draw refills.
    ahead_ = ahead_end_ = words_.data() + words_.size();
}

ChaCha20Rng::ChaCha20Rng(const ChaCha20Rng& other) : Rng(other) { *this = other; }

ChaCha20Rng& ChaCha20Rng::operator=(const ChaCha20Rng& other) {
    const auto used = other.ahead_ - other.words_.data();
    key_words_ = other.key_words_;
    counter_ = other.counter_;
    words_ = other.words_;
    ahead_ = words_.data() + used;
    ahead_end_ = words_.data() + words_.size();
    return *this;
}

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
    fastest_kernel()(key_words_, counter_, words_);
    counter_ += CHACHA_BATCH;
    ahead_ = words_.data();
    ahead_end_ = words_.data() + words_.size();
}

std::uint32_t ChaCha20Rng::fetch_u32() {
    refill();
    return *ahead_++;
}

std::uint64_t ChaCha20Rng::next_u64() {
    std::uint64_t low = next_u32();
    std::uint64_t high = next_u32();
    return high << 32 | low;
}

}  // namespace kimbly::rng
