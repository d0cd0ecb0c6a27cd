#include "velmora/model/options.hpp"

#include <string>

namespace velmora::model {

namespace {

Options contest_preset(bool fog_of_war, std::vector<std::pair<EntityType, kimbly::Vec2Usize>> starting_entities) {
    Options options;
    options.map_size = 80;
    options.max_tick_count = 1000;
    options.initial_resource = 0;
    options.passive_income = 0;
    options.max_pathfind_nodes = 1000;
    options.fog_of_war = fog_of_war;
    options.starting_entities = std::move(starting_entities);
    return options;
}

Options round1() {
    using T = EntityType;
    return contest_preset(false, {{T::BuilderBase, {5, 5}},
                                  {T::BuilderUnit, {4, 4}},
                                  {T::MeleeBase, {5, 15}},
                                  {T::MeleeUnit, {4, 14}},
                                  {T::RangedBase, {15, 5}},
                                  {T::RangedUnit, {14, 4}},
                                  {T::Turret, {15, 15}}});
}

Options with_fog() {
    return contest_preset(true, {{EntityType::BuilderBase, {5, 5}}, {EntityType::BuilderUnit, {4, 4}}});
}

struct PresetOptions {
    Options operator()(const Round1&) const { return round1(); }
    Options operator()(const Round2&) const { return with_fog(); }
    Options operator()(const Finals&) const { return with_fog(); }
    Options operator()(Custom& custom) const { return std::move(custom.options); }
};

std::string debug_size(usize value) { return std::to_string(value); }

}  // namespace

Options options_from(OptionsPreset preset) { return std::visit(PresetOptions{}, preset.value); }

std::string debug_text(const Options& options) {
    std::string text = "Options { map_size: " + debug_size(options.map_size) + ", max_tick_count: ";
    text += options.max_tick_count ? "Some(" + debug_size(*options.max_tick_count) + ")" : std::string("None");
    text += ", initial_resource: " + debug_size(options.initial_resource);
    text += ", passive_income: " + debug_size(options.passive_income);
    text += ", max_pathfind_nodes: " + debug_size(options.max_pathfind_nodes);
    text += std::string(", fog_of_war: ") + (options.fog_of_war ? "true" : "false");
    text += ", starting_entities: [";
    bool first = true;
    for (const auto& [type, position] : options.starting_entities) {
        if (!first) text += ", ";
        first = false;
        text += "(";
        text += entity_type_name(type);
        text += ", Vec2 { x: " + debug_size(position.x) + ", y: " + debug_size(position.y) + " })";
    }
    text += "] }";
    return text;
}

std::string debug_text(const OptionsPreset& preset) {
    struct Text {
        std::string operator()(const Round1&) const { return "Round1"; }
        std::string operator()(const Round2&) const { return "Round2"; }
        std::string operator()(const Finals&) const { return "Finals"; }
        std::string operator()(const Custom& custom) const { return "Custom(" + debug_text(custom.options) + ")"; }
    };
    return std::visit(Text{}, preset.value);
}

}  // namespace velmora::model
