#pragma once
// Small records, enumerations and one-ofs standing in for the game's types.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include <pakko/describe.hpp>

namespace stand_in {

enum class UnitKind : std::int32_t { K0, K1, K2, K3, K4, K5, K6, K7, K8, K9 };

constexpr auto pakko_describe(pakko::Tag<UnitKind>) {
    using pakko::variant;
    return pakko::enumeration<UnitKind>("UnitKind", pakko::doc(pakko::en("UnitKind"), pakko::ru("Вид")), variant("K0"),
                                    variant("K1"), variant("K2"), variant("K3"), variant("K4"), variant("K5"),
                                    variant("K6"), variant("K7"), variant("K8"), variant("K9"));
}

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const Point&) const = default;
};

constexpr auto pakko_describe(pakko::Tag<Point>) {
    return pakko::record<Point>("Point", pakko::no_doc(), pakko::field("x", &Point::x), pakko::field("y", &Point::y));
}

struct Move {
    Point target;
    bool find_closest_position = false;
    bool break_through = false;
    bool operator==(const Move&) const = default;
};

constexpr auto pakko_describe(pakko::Tag<Move>) {
    return pakko::record<Move>(
        "Move", pakko::doc(pakko::en("Move action"), pakko::ru("Действие перемещения")),
        pakko::field("target", &Move::target, pakko::doc(pakko::ru("Цель"), pakko::en("Target"))),
        pakko::field("find_closest_position", &Move::find_closest_position),
        pakko::field("break_through", &Move::break_through));
}

struct Repair {
    std::uint64_t target = 0;
    bool operator==(const Repair&) const = default;
};

constexpr auto pakko_describe(pakko::Tag<Repair>) {
    return pakko::record<Repair>("Repair", pakko::no_doc(), pakko::field("target", &Repair::target));
}

// Nested optionals, sequences, maps and a renamed JSON key.
struct Unit {
    std::uint64_t id = 0;
    std::optional<std::uint64_t> owner;
    UnitKind kind = UnitKind::K0;
    std::string name;
    float attack_range = 0;
    std::vector<UnitKind> builds;
    std::map<std::uint64_t, Move> orders;
    bool operator==(const Unit&) const = default;
};

constexpr auto pakko_describe(pakko::Tag<Unit>) {
    return pakko::record<Unit>("Unit", pakko::no_doc(), pakko::field("id", &Unit::id),
                               pakko::field("owner", &Unit::owner), pakko::field("kind", &Unit::kind),
                               pakko::field("name", &Unit::name),
                               pakko::field("attack_range", &Unit::attack_range, pakko::no_doc(), "range"),
                               pakko::field("builds", &Unit::builds), pakko::field("orders", &Unit::orders));
}

struct Finish {
    bool operator==(const Finish&) const = default;
};

constexpr auto pakko_describe(pakko::Tag<Finish>) { return pakko::record<Finish>("Finish", pakko::no_doc()); }

enum class Preset : std::int32_t { Round1, Round2, Finals };

constexpr auto pakko_describe(pakko::Tag<Preset>) {
    return pakko::enumeration<Preset>("Preset", pakko::no_doc(), pakko::variant("Round1"), pakko::variant("Round2"),
                                      pakko::variant("Finals"));
}

struct Create {
    Preset preset = Preset::Round1;
    bool operator==(const Create&) const = default;
};

constexpr auto pakko_describe(pakko::Tag<Create>) {
    return pakko::wrapper<Create>("Create", pakko::no_doc(), pakko::field("preset", &Create::preset));
}

struct Message {
    std::variant<Move, Finish, Repair, Create> value;
    bool operator==(const Message&) const = default;
};

constexpr auto pakko_describe(pakko::Tag<Message>) {
    return pakko::one_of<Message>("Message", pakko::no_doc(), &Message::value);
}

struct Options {
    std::uint64_t map_size = 0;
    std::uint64_t players = 0;
    bool fog = false;
    std::int32_t seed = 0;
    float speed = 0;
    std::string title;
    std::optional<Preset> preset;
    bool operator==(const Options&) const = default;
};

constexpr auto pakko_describe(pakko::Tag<Options>) {
    return pakko::record<Options>("Options", pakko::no_doc(), pakko::field("map_size", &Options::map_size),
                                  pakko::field("players", &Options::players), pakko::field("fog", &Options::fog),
                                  pakko::field("seed", &Options::seed), pakko::field("speed", &Options::speed),
                                  pakko::field("title", &Options::title), pakko::field("preset", &Options::preset));
}

}  // namespace stand_in
