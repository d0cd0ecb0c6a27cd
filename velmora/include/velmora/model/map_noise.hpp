#pragma once
// The noise that scatters resources. Each wrapper combines one seeded source
// so that the map looks the same from every player's corner: MyNoise is
// unchanged by the half turn (two players), MyNoise2 by the quarter turns
// (three or four players). Points are relative to the map's centre.
#include <cstdint>
#include <memory>

#include <kimbly/noise.hpp>

namespace velmora::model {

// Which turns of the map leave the noise unchanged.
enum class NoiseSymmetry { HalfTurn, QuarterTurns };

template <NoiseSymmetry S>
class SymmetricNoise final : public kimbly::noise::Noise2 {
public:
    explicit SymmetricNoise(std::uint32_t seed) : source_(seed) {}
    double get(double x, double y) const override;

private:
    kimbly::noise::OpenSimplex source_;
};

template <>
double SymmetricNoise<NoiseSymmetry::HalfTurn>::get(double x, double y) const;
template <>
double SymmetricNoise<NoiseSymmetry::QuarterTurns>::get(double x, double y) const;

using MyNoise = SymmetricNoise<NoiseSymmetry::HalfTurn>;
using MyNoise2 = SymmetricNoise<NoiseSymmetry::QuarterTurns>;

// MyNoise below three players (none included), MyNoise2 from three on.
std::unique_ptr<kimbly::noise::Noise2> map_noise(std::uint32_t seed, std::uint64_t player_count);

}  // namespace velmora::model
