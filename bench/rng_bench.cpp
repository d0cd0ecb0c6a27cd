#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>

#include "kimbly/chacha20.hpp"
#include "kimbly/noise.hpp"

namespace {

void bm_chacha20_next_u32(benchmark::State& state) {
    auto rng = kimbly::rng::ChaCha20Rng::seed_from_u64(42);
    for (auto _ : state) benchmark::DoNotOptimize(rng.next_u32());
    state.SetBytesProcessed(state.iterations() * 4);
}
BENCHMARK(bm_chacha20_next_u32);

// Through the interface, as the rules draw.
void bm_chacha20_next_u32_virtual(benchmark::State& state) {
    auto generator = kimbly::rng::ChaCha20Rng::seed_from_u64(42);
    kimbly::rng::Rng& rng = generator;
    benchmark::DoNotOptimize(&rng);
    for (auto _ : state) benchmark::DoNotOptimize(rng.next_u32());
    state.SetBytesProcessed(state.iterations() * 4);
}
BENCHMARK(bm_chacha20_next_u32_virtual);

// The rounds alone: a batch of blocks side by side with each kernel this
// processor runs (0 the baseline, 1 AVX2, 2 AVX-512), and one block at a time.
void bm_chacha20_batch(benchmark::State& state) {
    const auto kernel = static_cast<kimbly::rng::ChaChaKernel>(state.range(0));
    const auto supported = kimbly::rng::chacha20_kernels();
    if (std::find(supported.begin(), supported.end(), kernel) == supported.end()) {
        state.SkipWithError("this processor lacks the kernel");
        return;
    }
    const kimbly::rng::ChaChaKey key{};
    kimbly::rng::ChaChaBatch batch;
    std::uint64_t counter = 0;
    for (auto _ : state) {
        kimbly::rng::chacha20_batch(key, counter, kernel, batch);
        benchmark::DoNotOptimize(batch);
        counter += kimbly::rng::CHACHA_BATCH;
    }
    state.SetBytesProcessed(state.iterations() * 64 * kimbly::rng::CHACHA_BATCH);
}
BENCHMARK(bm_chacha20_batch)->DenseRange(0, 2);

// Draws below a bound the size of a Finals match's ready list, as its
// shuffles make them.
void bm_below(benchmark::State& state) {
    auto generator = kimbly::rng::ChaCha20Rng::seed_from_u64(42);
    kimbly::rng::Rng& rng = generator;
    benchmark::DoNotOptimize(&rng);
    for (auto _ : state) benchmark::DoNotOptimize(kimbly::rng::below(rng, 2500));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(bm_below);

void bm_chacha20_one_block(benchmark::State& state) {
    const kimbly::rng::ChaChaKey key{};
    std::uint32_t counter = 0;
    for (auto _ : state) benchmark::DoNotOptimize(kimbly::rng::chacha20_block(key, {counter++, 0u, 0u, 0u}));
    state.SetBytesProcessed(state.iterations() * 64);
}
BENCHMARK(bm_chacha20_one_block);

void bm_chacha20_seed(benchmark::State& state) {
    std::uint64_t seed = 0;
    for (auto _ : state) {
        auto rng = kimbly::rng::ChaCha20Rng::seed_from_u64(seed++);
        benchmark::DoNotOptimize(rng.next_u32());
    }
}
BENCHMARK(bm_chacha20_seed);

// One sample per cell of an 80 by 80 map, the way map generation walks it.
void bm_open_simplex_map(benchmark::State& state) {
    kimbly::noise::OpenSimplex noise(42);
    for (auto _ : state) {
        double sum = 0;
        for (int x = 0; x < 80; ++x)
            for (int y = 0; y < 80; ++y) sum += noise.get((x + 0.5 - 40) / 10, (y + 0.5 - 40) / 10);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * 80 * 80);
}
BENCHMARK(bm_open_simplex_map);

}  // namespace
