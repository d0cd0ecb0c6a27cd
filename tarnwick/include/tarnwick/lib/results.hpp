#pragma once
// What a finished match hands to its results handler.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <pakko/describe.hpp>

namespace tarnwick {

struct PlayerResult {
    bool crashed = false;
    std::optional<std::string> comment;

    bool operator==(const PlayerResult&) const = default;
};

constexpr auto pakko_describe(pakko::Tag<PlayerResult>) {
    return pakko::record<PlayerResult>("PlayerResult", pakko::no_doc(),
                                       pakko::field("crashed", &PlayerResult::crashed),
                                       pakko::field("comment", &PlayerResult::comment));
}

template <class Results>
struct FullResults {
    std::vector<PlayerResult> players;  // one per player index
    Results results;
    std::optional<std::uint64_t> seed;  // absent for a repeated game log

    bool operator==(const FullResults&) const = default;
};

template <class Results>
constexpr auto pakko_describe(pakko::Tag<FullResults<Results>>) {
    using R = FullResults<Results>;
    return pakko::record<R>("FullResults", pakko::no_doc(), pakko::field("players", &R::players),
                            pakko::field("results", &R::results), pakko::field("seed", &R::seed));
}

}  // namespace tarnwick
