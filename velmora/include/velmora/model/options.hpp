#pragma once
// What a new game is generated from, and the contest presets.
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include <kimbly/vec2.hpp>
#include <pakko/describe.hpp>

#include "velmora/model/entity.hpp"

namespace velmora::model {

struct Options {
    usize map_size = 0;
    // None: generation applies its own limit.
    std::optional<usize> max_tick_count;
    usize initial_resource = 0;
    usize passive_income = 0;
    usize max_pathfind_nodes = 0;
    bool fog_of_war = false;
    // In the frame of the player with index 0; generation creates them in
    // this order, which fixes their ids.
    std::vector<std::pair<EntityType, kimbly::Vec2Usize>> starting_entities;

    bool operator==(const Options&) const = default;
};

constexpr auto pakko_describe(pakko::Tag<Options>) {
    using pakko::field;
    return pakko::record<Options>(
        "Options", pakko::no_doc(), field("map_size", &Options::map_size),
        field("max_tick_count", &Options::max_tick_count), field("initial_resource", &Options::initial_resource),
        field("passive_income", &Options::passive_income), field("max_pathfind_nodes", &Options::max_pathfind_nodes),
        field("fog_of_war", &Options::fog_of_war), field("starting_entities", &Options::starting_entities));
}

struct Round1 {
    bool operator==(const Round1&) const = default;
};
struct Round2 {
    bool operator==(const Round2&) const = default;
};
struct Finals {
    bool operator==(const Finals&) const = default;
};
struct Custom {
    Options options;
    bool operator==(const Custom&) const = default;
};

constexpr auto pakko_describe(pakko::Tag<Round1>) { return pakko::record<Round1>("Round1", pakko::no_doc()); }
constexpr auto pakko_describe(pakko::Tag<Round2>) { return pakko::record<Round2>("Round2", pakko::no_doc()); }
constexpr auto pakko_describe(pakko::Tag<Finals>) { return pakko::record<Finals>("Finals", pakko::no_doc()); }
constexpr auto pakko_describe(pakko::Tag<Custom>) {
    return pakko::wrapper<Custom>("Custom", pakko::no_doc(), pakko::field("options", &Custom::options));
}

struct OptionsPreset {
    std::variant<Round1, Round2, Finals, Custom> value;

    bool operator==(const OptionsPreset&) const = default;
};

constexpr auto pakko_describe(pakko::Tag<OptionsPreset>) {
    return pakko::one_of<OptionsPreset>("OptionsPreset", pakko::no_doc(), &OptionsPreset::value);
}

// The options of a preset; a custom preset yields the options it holds.
Options options_from(OptionsPreset preset);

// Structured debug text: "Options { map_size: 80, ... }", and the variant's
// name for a preset, a custom one followed by its options in parentheses.
std::string debug_text(const Options& options);
std::string debug_text(const OptionsPreset& preset);

}  // namespace velmora::model
