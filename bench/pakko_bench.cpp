// Encoding and decoding throughput of entity-like records through memory.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <optional>
#include <vector>

#include <pakko/pakko.hpp>

namespace {

enum class BenchKind : std::int32_t { Wall, House, Unit, Resource };

constexpr auto pakko_describe(pakko::Tag<BenchKind>) {
    return pakko::enumeration<BenchKind>("BenchKind", pakko::no_doc(), pakko::variant("Wall"),
                                         pakko::variant("House"), pakko::variant("Unit"), pakko::variant("Resource"));
}

struct BenchPosition {
    std::uint64_t x = 0;
    std::uint64_t y = 0;
};

constexpr auto pakko_describe(pakko::Tag<BenchPosition>) {
    return pakko::record<BenchPosition>("BenchPosition", pakko::no_doc(), pakko::field("x", &BenchPosition::x),
                                        pakko::field("y", &BenchPosition::y));
}

struct BenchEntity {
    std::uint64_t id = 0;
    std::optional<std::uint64_t> player_id;
    BenchKind entity_type = BenchKind::Wall;
    BenchPosition position;
    std::uint64_t health = 0;
    bool active = false;
};

constexpr auto pakko_describe(pakko::Tag<BenchEntity>) {
    return pakko::record<BenchEntity>(
        "BenchEntity", pakko::no_doc(), pakko::field("id", &BenchEntity::id),
        pakko::field("player_id", &BenchEntity::player_id), pakko::field("entity_type", &BenchEntity::entity_type),
        pakko::field("position", &BenchEntity::position), pakko::field("health", &BenchEntity::health),
        pakko::field("active", &BenchEntity::active));
}

std::vector<BenchEntity> entities() {
    std::vector<BenchEntity> out;
    for (std::uint64_t i = 0; i < 10000; ++i) {
        out.push_back({i, i % 3 == 0 ? std::nullopt : std::optional<std::uint64_t>(i % 4),
                       static_cast<BenchKind>(i % 4), {i % 80, (i * 7) % 80}, 10 + i % 90, i % 2 == 0});
    }
    return out;
}

void encode_entities(benchmark::State& state) {
    auto values = entities();
    std::vector<std::byte> buffer;
    for (auto _ : state) {
        buffer.clear();
        pakko::VecWriter writer(buffer);
        pakko::write(writer, values);
        benchmark::DoNotOptimize(buffer.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * buffer.size()));
}
BENCHMARK(encode_entities);

void decode_entities(benchmark::State& state) {
    auto bytes = pakko::to_bytes(entities());
    for (auto _ : state) {
        auto values = pakko::from_bytes<std::vector<BenchEntity>>(bytes);
        benchmark::DoNotOptimize(values.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(decode_entities);

}  // namespace
