#pragma once
// What one player is told every tick: the game's settings, every player's
// score and resource, and the entities it may see, in its own frame.
#include <vector>

#include <pakko/describe.hpp>

#include "velmora/model/entity.hpp"
#include "velmora/model/entity_properties.hpp"
#include "velmora/model/frames.hpp"

namespace velmora::model {

struct Model;
struct Player;

// A view owns copies of all it holds and never refers back to the game state.
struct PlayerView {
    // The view of one player: no index, since every player sees itself as
    // the one near (0, 0).
    struct Player {
        usize id = 0;
        usize score = 0;
        usize resource = 0;

        bool operator==(const Player&) const = default;
    };

    usize my_id = 0;
    usize map_size = 0;
    bool fog_of_war = false;
    EntityPropertiesTable entity_properties;
    usize max_tick_count = 0;
    usize max_pathfind_nodes = 0;
    usize current_tick = 0;
    // In player index order.
    std::vector<Player> players;
    // Positions in the receiving player's frame, ascending by id.
    std::vector<Entity> entities;

    bool operator==(const PlayerView&) const = default;
};

constexpr auto pakko_describe(pakko::Tag<PlayerView::Player>) {
    using pakko::doc, pakko::en, pakko::ru, pakko::field;
    using P = PlayerView::Player;
    return pakko::record<P>(
        "Player", doc(en("Player (strategy, client)"), ru("Игрок (стратегия, клиент)")),
        field("id", &P::id, doc(ru("ID игрока"), en("Player's ID"))),
        field("score", &P::score, doc(en("Current score"), ru("Текущий счет"))),
        field("resource", &P::resource, doc(ru("Текущее количество ресурса"), en("Current amount of resource"))));
}

constexpr auto pakko_describe(pakko::Tag<PlayerView>) {
    using pakko::doc, pakko::en, pakko::ru, pakko::field;
    using V = PlayerView;
    return pakko::record<V>(
        "PlayerView", doc(ru("Доступная игроку информация"), en("Information available to the player")),
        field("my_id", &V::my_id, doc(en("Your player's ID"), ru("ID вашего игрока"))),
        field("map_size", &V::map_size, doc(en("Size of the map"), ru("Размер карты"))),
        field("fog_of_war", &V::fog_of_war, doc(ru("Включен ли туман войны"), en("Whether fog of war is enabled"))),
        field("entity_properties", &V::entity_properties,
              doc(en("Entity properties for each entity type"), ru("Свойства сущностей для каждого типа"))),
        field("max_tick_count", &V::max_tick_count,
              doc(en("Max tick count for the game"), ru("Максимальная длительность игры в тиках"))),
        field("max_pathfind_nodes", &V::max_pathfind_nodes,
              doc(en("Max pathfind nodes when performing pathfinding in the game simulator"),
                  ru("Максимальное количество вершин для поиска пути в игровом симуляторе"))),
        field("current_tick", &V::current_tick, doc(ru("Текущий тик"), en("Current tick"))),
        field("players", &V::players, doc(en("List of players"), ru("Список игроков"))),
        field("entities", &V::entities, doc(en("List of entities"), ru("Список сущностей"))));
}

// An entity a player sees, and the side of its square.
struct SeenEntity {
    const Entity* entity;
    usize size;
};

// The view of `player` with its list of entities left empty; the entities it
// sees go to `seen` instead, ascending by id: its own always, any other when
// at least one cell of its square is within its sight. The pointers last
// until the state changes.
PlayerView player_view_without_entities(const Model& model, const Player& player, std::vector<SeenEntity>& seen);

// A seen entity as its viewer gets it: in the viewer's frame.
inline Entity entity_in_frame(const SeenEntity& seen, usize viewer_index, usize map_size) {
    Entity entity = *seen.entity;
    entity.position = convert_position(viewer_index, entity.position, seen.size, map_size, FrameDirection::ToPlayer);
    return entity;
}

// The view of `player`: player_view_without_entities with the seen entities
// filled in.
PlayerView player_view(const Model& model, const Player& player);

// The player with this index. Asking for an index no player has is a
// caller's fault and stops the program.
const Player& viewer_with_index(const Model& model, usize player_index);

// The view of the player with this index. Asking for an index no player has
// is a caller's fault and stops the program.
PlayerView player_view(const Model& model, usize player_index);

}  // namespace velmora::model
