#include "velmora/model/init.hpp"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "velmora/model/default_properties.hpp"
#include "velmora/model/frames.hpp"
#include "velmora/model/map_noise.hpp"
#include "velmora/model/validate.hpp"

namespace velmora::model {

namespace {

// Cells where no resource may be placed, x-major like every grid of the game.
class FreeCells {
public:
    explicit FreeCells(usize map_size) : map_size_(map_size), free_(map_size * map_size, 1) {}

    bool is_free(usize x, usize y) const { return free_[x * map_size_ + y] != 0; }

    // Marks [x_from, x_to) by [y_from, y_to), clipped to the map.
    void occupy(std::int64_t x_from, std::int64_t x_to, std::int64_t y_from, std::int64_t y_to) {
        const auto m = static_cast<std::int64_t>(map_size_);
        for (std::int64_t x = std::max<std::int64_t>(x_from, 0); x < std::min(x_to, m); ++x)
            for (std::int64_t y = std::max<std::int64_t>(y_from, 0); y < std::min(y_to, m); ++y)
                free_[static_cast<usize>(x) * map_size_ + static_cast<usize>(y)] = 0;
    }

private:
    usize map_size_;
    std::vector<unsigned char> free_;
};

// The cells a player's starting entities cover, in the game frame.
struct Box {
    usize min_x, min_y, max_x, max_y;
};

inline constexpr std::int64_t START_MARGIN = 2;

void add_starting_entities(Model& model, usize player_index, usize owner_id, const Options& options,
                           FreeCells& free) {
    const auto& table = model.entity_properties.value;
    Box box{model.map_size, model.map_size, 0, 0};
    for (const auto& [type, position] : options.starting_entities) {
        const auto& properties = table.at(type);
        const usize size = properties.size;
        const auto corner = convert_position(player_index, position, size, model.map_size, FrameDirection::ToGame);
        Entity entity;
        entity.id = model.next_id++;
        entity.player_id = owner_id;
        entity.entity_type = type;
        entity.position = corner;
        entity.health = properties.max_health;
        entity.active = true;
        model.entities.by_id.emplace(entity.id, entity);
        box.min_x = std::min(box.min_x, corner.x);
        box.min_y = std::min(box.min_y, corner.y);
        box.max_x = std::max(box.max_x, corner.x + size);
        box.max_y = std::max(box.max_y, corner.y + size);
    }
    // Signed bounds: a box near the edge reaches below zero before clipping.
    auto s = [](usize v) { return static_cast<std::int64_t>(v); };
    free.occupy(s(box.min_x) - START_MARGIN, s(box.max_x) + START_MARGIN, s(box.min_y) - START_MARGIN,
                s(box.max_y) + START_MARGIN);
}

bool has_resource(const kimbly::noise::Noise2& noise, double dx, double dy) {
    // Coarse to fine: a cell is dense when any scale is above the threshold,
    // and a finer scale is looked at only when the coarser ones are not.
    const bool dense = noise.get(dx / 20, dy / 20) > 0.3 || noise.get(dx / 10, dy / 10) > 0.3 ||
                       noise.get(dx / 5, dy / 5) > 0.3;
    return dense && noise.get(dx, dy) < 0.5;
}

void add_resources(Model& model, const kimbly::noise::Noise2& noise, const FreeCells& free) {
    const usize m = model.map_size;
    const usize health = model.entity_properties.value.at(EntityType::Resource).max_health;
    // Relative to the map's centre in halves, so that odd maps stay symmetric.
    const double half = static_cast<double>(m) / 2;
    for (usize x = 0; x < m; ++x) {
        for (usize y = 0; y < m; ++y) {
            if (!free.is_free(x, y)) continue;
            const double dx = static_cast<double>(x) + 0.5 - half;
            const double dy = static_cast<double>(y) + 0.5 - half;
            if (!has_resource(noise, dx, dy)) continue;
            Entity resource;
            resource.id = model.next_id++;
            resource.entity_type = EntityType::Resource;
            resource.position = {x, y};
            resource.health = health;
            resource.active = true;
            model.entities.by_id.emplace(resource.id, resource);
        }
    }
}

}  // namespace

Model init(kimbly::rng::Rng& rng, usize player_count, Options options) {
    validate_options(player_count, options);

    Model model;
    model.next_id = 1;
    model.map_size = options.map_size;
    model.fog_of_war = options.fog_of_war;
    model.entity_properties.value = default_entity_properties();
    model.max_tick_count = options.max_tick_count.value_or(DEFAULT_MAX_TICK_COUNT);
    model.max_pathfind_nodes = options.max_pathfind_nodes;
    model.current_tick = 0;
    model.passive_income = options.passive_income;

    for (usize index = 0; index < player_count; ++index) {
        Player player{model.next_id++, index, 0, options.initial_resource};
        model.players.by_id.emplace(player.id, player);
    }

    FreeCells free(model.map_size);
    for (usize index = 0; index < player_count; ++index) {
        // Players were created in index order, so index i has id i + 1.
        add_starting_entities(model, index, index + 1, options, free);
    }

    const std::uint32_t seed = rng.next_u32();
    const auto noise = map_noise(seed, player_count);
    add_resources(model, *noise, free);
    return model;
}

}  // namespace velmora::model
