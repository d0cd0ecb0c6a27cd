#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <kimbly/chacha20.hpp>
#include <pakko/memory_io.hpp>
#include <pakko/pakko.hpp>
#include <tarnwick/lib/messages.hpp>
#include <tarnwick/player/encode_buffer.hpp>
#include <tarnwick/player/stream.hpp>

#include "model_fixture.hpp"
#include "velmora/game.hpp"
#include "velmora/model/init.hpp"
#include "velmora/model/player_view.hpp"

namespace velmora::model {
namespace {

using namespace testing;
using Traits = tarnwick::GameTraits<Model>;
using Bytes = std::vector<std::byte>;

Bytes encoded_from_state(const Model& model, usize index) {
    tarnwick::player::EncodeBuffer out;
    Traits::encode_player_view(model, index, out);
    return {out.bytes().begin(), out.bytes().end()};
}

Model started(usize players, OptionsPreset preset, usize ticks = 0) {
    auto rng = kimbly::rng::ChaCha20Rng::seed_from_u64(7);
    Model model = init(rng, players, options_from(std::move(preset)));
    for (usize tick = 0; tick < ticks; ++tick) play(model, rng);
    return model;
}

// Four players in fog, with squares of every size against the edges and
// corners of the map, where each frame's conversion subtracts the size.
Model squares_at_the_edges() {
    Model model = empty_model(80, true);
    for (usize index = 0; index < 4; ++index) add_player(model, index, 100 + index, 7 * index);
    const usize p1 = 1, p2 = 2, p3 = 3, p4 = 4;
    add_entity(model, EntityType::MeleeBase, p1, {75, 75});
    add_entity(model, EntityType::House, p2, {77, 0});
    add_entity(model, EntityType::Turret, p3, {0, 78});
    add_entity(model, EntityType::RangedBase, p4, {0, 0});
    add_entity(model, EntityType::BuilderUnit, p1, {79, 40});
    add_entity(model, EntityType::Wall, p2, {40, 79});
    add_entity(model, EntityType::Resource, std::nullopt, {79, 79});
    add_entity(model, EntitySpec{EntityType::House, p3, {60, 77}, 1, false});
    // Sees only the near corner of p1's base and of its house.
    add_entity(model, EntityType::RangedUnit, p4, {66, 70});
    return model;
}

// Every player of a Finals start but the last, whose entities are all gone.
Model one_player_left_with_nothing() {
    Model model = started(4, OptionsPreset{Finals{}}, 5);
    const usize last = viewer_with_index(model, 3).id;
    erase_if(model.entities.by_id, [&](const auto& entry) { return entry.second.player_id == last; });
    return model;
}

TEST(PlayerViewEncoding, SameBytesAsTheBuiltViewForEveryPlayer) {
    const std::vector<std::pair<std::string, Model>> cases = {
        {"Round1 start, no fog", started(2, OptionsPreset{Round1{}})},
        {"Round1 after some ticks", started(2, OptionsPreset{Round1{}}, 30)},
        {"Finals, four players in fog", started(4, OptionsPreset{Finals{}}, 12)},
        {"squares at the edges", squares_at_the_edges()},
        {"a player with nothing left", one_player_left_with_nothing()},
    };
    for (const auto& [name, model] : cases) {
        for (usize index = 0; index < Traits::player_count(model); ++index) {
            EXPECT_EQ(encoded_from_state(model, index), pakko::to_bytes(player_view(model, index)))
                << name << ", player " << index;
        }
    }
}

TEST(PlayerViewEncoding, ValueOutOfRangeFailsAsTheBuiltViewDoes) {
    const auto error_of = [](auto&& encode) -> std::string {
        try {
            encode();
        } catch (const pakko::IoError& error) {
            return error.what();
        }
        return "no error";
    };
    Model score = squares_at_the_edges();
    score.players.by_id.at(3).score = usize{1} << 31;
    Model health = squares_at_the_edges();
    health.entities.by_id.begin()->second.health = usize{1} << 40;
    for (const Model* model : {&score, &health}) {
        const std::string expected = error_of([&] { pakko::to_bytes(player_view(*model, 0)); });
        EXPECT_NE(expected, "no error");
        EXPECT_EQ(error_of([&] { encoded_from_state(*model, 0); }), expected);
    }
}

// The client's side: a scripted answer to read, and every byte written.
class Wire {
public:
    explicit Wire(usize actions) {
        const Bytes action = pakko::to_bytes(
            tarnwick::ClientMessage<Model>{tarnwick::client_message::ActionMessage<Model>{Action{}}});
        for (usize i = 0; i < actions; ++i) answers_.insert(answers_.end(), action.begin(), action.end());
    }

    std::unique_ptr<tarnwick::player::stream::StreamPlayer<Model>> player() {
        return std::make_unique<tarnwick::player::stream::StreamPlayer<Model>>(
            std::make_unique<pakko::MemoryReader>(answers_), std::make_unique<pakko::VecWriter>(sent_));
    }

    Bytes take_sent() { return std::exchange(sent_, {}); }

private:
    Bytes answers_;
    Bytes sent_;
};

TEST(PlayerViewEncoding, StreamPlayerSendsTheSameRequestFromTheState) {
    const Model model = started(4, OptionsPreset{Finals{}}, 3);
    tarnwick::player::DebugHandlersOf<Model> handlers{[](std::size_t, bool, auto) {},
                                                      [](std::size_t) { return DebugState{}; }};
    for (usize index = 0; index < 4; ++index) {
        tarnwick::player::DebugInterfaceOf<Model> debug(index, handlers, false);
        for (auto* debug_interface : {static_cast<decltype(&debug)>(nullptr), &debug}) {
            Wire wire(2);
            auto player = wire.player();
            player->get_action_from_state(model, index, debug_interface);
            const Bytes from_state = wire.take_sent();
            player->get_action(player_view(model, index), debug_interface);
            const Bytes from_view = wire.take_sent();
            const Bytes expected = pakko::to_bytes(tarnwick::ServerMessage<Model>{
                tarnwick::server_message::GetAction<Model>{player_view(model, index), debug_interface != nullptr}});
            EXPECT_EQ(from_state, expected) << index;
            EXPECT_EQ(from_view, expected) << index;
        }
    }
}

}  // namespace
}  // namespace velmora::model
