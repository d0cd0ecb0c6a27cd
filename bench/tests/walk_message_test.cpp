#include <gtest/gtest.h>

#include <chrono>
#include <cstddef>
#include <string>
#include <variant>
#include <vector>

#include <pakko/pakko.hpp>
#include <tarnwick/lib/messages.hpp>
#include <tarnwick/net/buffered_reader.hpp>
#include <tarnwick/net/tcp_listener.hpp>
#include <tarnwick/net/tcp_stream.hpp>

#include "velmora/game.hpp"
#include "velmora/model/default_properties.hpp"
#include "walk_message.hpp"

namespace {

namespace net = tarnwick::net;
using velmora::Game;
using velmora::model::Entity;
using velmora::model::EntityType;
using velmora::model::PlayerView;
using Message = tarnwick::ServerMessage<Game>;

const std::size_t GET_ACTION = Message{tarnwick::server_message::GetAction<Game>{}}.value.index();
const std::size_t FINISH = Message{tarnwick::server_message::Finish{}}.value.index();

// A view whose last entity has every optional part present, so that it
// takes the most bytes an entity can; entity properties of two kinds bring
// in nested optional records with vectors.
PlayerView small_view() {
    PlayerView view;
    view.my_id = 1;
    view.map_size = 80;
    view.fog_of_war = true;
    const auto properties = velmora::model::default_entity_properties();
    for (EntityType type : {EntityType::BuilderBase, EntityType::BuilderUnit}) {
        view.entity_properties.emplace(type, properties.at(type));
    }
    view.max_tick_count = 1000;
    view.players = {{1, 10, 20}, {2, 30, 40}};
    view.entities = {
        Entity{3, std::nullopt, EntityType::Resource, {5, 6}, 30, true},
        Entity{4, 2, EntityType::RangedUnit, {7, 8}, 10, false},
        Entity{5, 1, EntityType::Turret, {9, 10}, 100, true},
    };
    return view;
}

struct Encoded {
    std::vector<std::byte> bytes;
    std::size_t entity_count_at = 0;  // first byte of the entities' count
    std::size_t last_entity_at = 0;   // first byte of the last entity
};

// A GetAction of small_view(), then debug_available at the very end.
Encoded get_action() {
    const PlayerView view = small_view();
    Encoded encoded;
    encoded.bytes = pakko::to_bytes(Message{tarnwick::server_message::GetAction<Game>{view, false}});
    std::size_t entity_bytes = 0;
    for (const auto& entity : view.entities) entity_bytes += pakko::to_bytes(entity).size();
    encoded.last_entity_at = encoded.bytes.size() - 1 - pakko::to_bytes(view.entities.back()).size();
    encoded.entity_count_at = encoded.bytes.size() - 1 - entity_bytes - 4;
    return encoded;
}

// Offsets inside an entity with its player id present.
constexpr std::size_t PLAYER_ID_FLAG = 4;
constexpr std::size_t ENTITY_TYPE = 9;
constexpr std::size_t POSITION_X = 13;
constexpr std::size_t HEALTH = 21;
constexpr std::size_t ACTIVE = 25;

// A reader of `capacity` bytes on a connection that carries `bytes` and then
// ends.
net::BufferedReader serve(const std::vector<std::byte>& bytes, std::size_t capacity) {
    auto listener = net::TcpListener::bind("127.0.0.1", 0);
    {
        auto client = net::TcpStream::connect("127.0.0.1", listener.local_port());
        client.write_all(bytes);
    }
    auto accepted = listener.accept_one(std::chrono::seconds(5));
    return net::BufferedReader(std::get<net::TcpStream>(std::move(accepted)), capacity);
}

std::size_t walk_message(net::BufferedReader& reader) { return bench::walk_one_of<Message>(reader); }

TEST(WalkMessage, BoundsAreTheLargestEncodings) {
    const Entity full{5, 1, EntityType::Turret, {9, 10}, 100, true};
    EXPECT_EQ(pakko::max_encoded_size<Entity>(), pakko::to_bytes(full).size());
    EXPECT_EQ(pakko::max_encoded_size<kimbly::Vec2Usize>(), 8u);
    EXPECT_EQ(pakko::max_encoded_size<EntityType>(), 4u);
    EXPECT_EQ(pakko::max_encoded_size<std::string>(), pakko::UNBOUNDED);
    EXPECT_EQ(pakko::max_encoded_size<PlayerView>(), pakko::UNBOUNDED);
    EXPECT_EQ(pakko::max_encoded_size<Message>(), pakko::UNBOUNDED);
}

// Each capacity puts the reader's refills at other places in the message:
// values are walked over buffered bytes, field by field across a refill, or
// a mix, and each must leave the reader at the start of the next message.
TEST(WalkMessage, WellFormedMessagesWalkToTheirAlternativeAtEveryRefillPosition) {
    std::vector<std::byte> bytes = get_action().bytes;
    const auto finish = pakko::to_bytes(Message{tarnwick::server_message::Finish{}});
    bytes.insert(bytes.end(), finish.begin(), finish.end());
    for (std::size_t capacity = 1; capacity <= bytes.size() + 1; ++capacity) {
        auto reader = serve(bytes, capacity);
        EXPECT_EQ(walk_message(reader), GET_ACTION) << "capacity " << capacity;
        EXPECT_EQ(walk_message(reader), FINISH) << "capacity " << capacity;
    }
}

TEST(WalkMessage, EveryMalformedByteFailsAlsoAtARefill) {
    const Encoded encoded = get_action();
    const std::size_t last = encoded.last_entity_at;
    const std::size_t end = encoded.bytes.size();
    struct Case {
        const char* name;
        std::size_t offset;
        std::byte value;
        std::string error;
    };
    const Case cases[] = {
        {"message tag", 0, std::byte{3}, "Unexpected tag 3"},
        {"entity type", last + ENTITY_TYPE, std::byte{10}, "Unexpected tag 10"},
        {"presence flag", last + PLAYER_ID_FLAG, std::byte{2}, "Bool value should be 0 or 1"},
        {"active flag", last + ACTIVE, std::byte{2}, "Bool value should be 0 or 1"},
        {"debug flag", end - 1, std::byte{2}, "Bool value should be 0 or 1"},
        {"entity count", encoded.entity_count_at + 3, std::byte{0x80}, "-2147483645 is invalid value"},
        {"position", last + POSITION_X + 3, std::byte{0xff}, "-16777207 is invalid value"},
        {"health", last + HEALTH + 3, std::byte{0xff}, "-16777116 is invalid value"},
    };
    for (const auto& c : cases) {
        std::vector<std::byte> bytes = encoded.bytes;
        bytes[c.offset] = c.value;
        // Refills just before and just after the faulty byte, none at all.
        for (std::size_t capacity : {c.offset, c.offset + 1, end}) {
            auto reader = serve(bytes, std::max<std::size_t>(capacity, 1));
            try {
                walk_message(reader);
                ADD_FAILURE() << c.name << " at capacity " << capacity << " walked";
            } catch (const pakko::IoError& error) {
                EXPECT_EQ(error.what(), c.error) << c.name << " at capacity " << capacity;
            }
        }
    }
}

TEST(WalkMessage, TruncatedMessagesFail) {
    const Encoded encoded = get_action();
    // Cut inside the last entity and before the final flag.
    for (std::size_t length : {encoded.last_entity_at + HEALTH, encoded.bytes.size() - 1}) {
        const std::vector<std::byte> bytes(encoded.bytes.begin(), encoded.bytes.begin() + length);
        for (std::size_t capacity : {length - 2, encoded.bytes.size()}) {
            auto reader = serve(bytes, capacity);
            try {
                walk_message(reader);
                ADD_FAILURE() << length << " bytes at capacity " << capacity << " walked";
            } catch (const pakko::IoError& error) {
                EXPECT_EQ(error.kind(), pakko::ErrorKind::UnexpectedEof) << error.what();
            }
        }
    }
}

}  // namespace
