#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <vector>

#include <kimbly/chacha20.hpp>
#include <pakko/pakko.hpp>

#include "velmora/game.hpp"
#include "velmora/quickstart_player.hpp"

namespace velmora {
namespace {

using model::Model;
using Traits = tarnwick::GameTraits<Model>;

// A whole match of four quick-start players on the Finals preset, driven
// through the game's binding as the match runner drives it; the final state
// in its binary form.
std::vector<std::byte> finals_match(std::uint64_t seed) {
    auto rng = kimbly::rng::ChaCha20Rng::seed_from_u64(seed);
    Model game = Traits::init(rng, 4, model::options_from(model::OptionsPreset{model::Finals{}}));
    quickstart_player::QuickStartPlayer<Model> player;
    while (!Traits::finished(game)) {
        std::map<std::size_t, model::Action> actions;
        for (std::size_t index = 0; index < 4; ++index)
            actions[index] = player.get_action(Traits::player_view(game, index), nullptr);
        Traits::process_turn(game, rng, actions);
    }
    EXPECT_EQ(game.current_tick, 1000u);
    return pakko::to_bytes(game);
}

TEST(QuickStartMatch, ReplaysByteForByteFromItsSeed) {
    const auto once = finals_match(11);
    EXPECT_EQ(finals_match(11), once);
    EXPECT_NE(finals_match(12), once);
}

}  // namespace
}  // namespace velmora
