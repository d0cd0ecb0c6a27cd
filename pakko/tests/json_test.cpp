#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include <pakko/json.hpp>

#include "stand_ins.hpp"

namespace {

using namespace stand_in;
namespace json = pakko::json;

struct WriteCase {
    const char* name;
    std::function<std::string()> write;
    const char* text;
};

TEST(Json, WritesKeysInDeclarationOrderAndShortestFloats) {
    const WriteCase cases[] = {
        {"0.1f", [] { return json::dump(0.1f); }, "0.1"},
        {"whole float", [] { return json::dump(3.0f); }, "3.0"},
        {"NaN", [] { return json::dump(std::numeric_limits<float>::quiet_NaN()); }, "null"},
        {"infinity", [] { return json::dump(-std::numeric_limits<float>::infinity()); }, "null"},
        {"record, renamed key, absent optional, enum by name",
         [] { return json::to_json(Unit{1, std::nullopt, UnitKind::K3, "a", 0.1f, {UnitKind::K9}, {}}).dump(); },
         R"({"id":1,"owner":null,"kind":"K3","name":"a","range":0.1,"builds":["K9"],"orders":{}})"},
        {"map keys as strings",
         [] { return json::to_json(std::map<std::uint64_t, UnitKind>{{2, UnitKind::K1}, {10, UnitKind::K0}}).dump(); },
         R"({"2":"K1","10":"K0"})"},
        {"enum map keys by name",
         [] { return json::to_json(std::map<UnitKind, std::int32_t>{{UnitKind::K4, -1}}).dump(); },
         R"({"K4":-1})"},
        {"one-of with fields", [] { return json::to_json(Message{Repair{3}}).dump(); }, R"({"Repair":{"target":3}})"},
        {"one-of without fields", [] { return json::to_json(Message{Finish{}}).dump(); }, R"("Finish")"},
        {"one-of of a single value", [] { return json::to_json(Message{Create{Preset::Round1}}).dump(); },
         R"({"Create":"Round1"})"},
        {"pretty, no final newline", [] { return json::dump(Point{1, 2}); }, "{\n  \"x\": 1,\n  \"y\": 2\n}"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.write(), c.text) << c.name;
}

struct ReadCase {
    const char* name;
    std::function<void(std::string_view)> read;  // checks the value it reads
    const char* text;
    const char* error;  // substring of the expected error; empty when the read succeeds
};

template <class T>
std::function<void(std::string_view)> reads(T expected) {
    return [expected](std::string_view text) { EXPECT_EQ(json::parse<T>(text), expected) << text; };
}

template <class T>
std::function<void(std::string_view)> reads_any() {
    return [](std::string_view text) { (void)json::parse<T>(text); };
}

TEST(Json, ReadsStrictly) {
    const ReadCase cases[] = {
        {"reordered keys", reads(Point{1, 2}), R"({"y": 2, "x": 1})", ""},
        {"unknown key skipped", reads(Point{1, 2}), R"({"x": 1, "z": [true], "y": 2})", ""},
        {"array form", reads(Point{1, 2}), "[1, 2]", ""},
        {"repeated key", reads_any<Point>(), R"({"x": 1, "x": 1, "y": 2})", "duplicate field `x`"},
        {"first missing key named", reads_any<Move>(), R"({"break_through": true})", "missing field `target`"},
        {"missing key after the present ones", reads_any<Point>(), R"({"x": 1})", "missing field `y`"},
        {"missing optional is absent", reads(Repair{3}), R"({"target": 3})", ""},
        {"short array", reads_any<Options>(), "[1, 2]", "struct Options with 7 elements"},
        {"long array", reads_any<Point>(), "[1, 2, 3]", "struct Point with 2 elements"},
        {"singular element", reads_any<Repair>(), "[]", "struct Repair with 1 element"},
        {"not a record", reads_any<Point>(), "\"x\"", "expected struct Point"},
        {"renamed key", reads(Unit{1, 4, UnitKind::K0, "", 2.5f, {}, {}}),
         R"({"id":1,"owner":4,"kind":"K0","name":"","range":2.5,"builds":[],"orders":{}})", ""},
        {"field name is not the key", reads_any<Unit>(),
         R"({"id":1,"kind":"K0","name":"","attack_range":2.5,"builds":[],"orders":{}})", "missing field `range`"},
        {"size value -1", reads_any<std::uint64_t>(), "-1", "invalid value: integer `-1`"},
        {"size value 1.5", reads_any<std::uint64_t>(), "1.5", "invalid type: floating point"},
        {"size value 1e3", reads_any<std::uint64_t>(), "1e3", "invalid type: floating point"},
        {"size value 1.0", reads_any<std::uint64_t>(), "1.0", "invalid type: floating point"},
        {"size value too large", reads_any<std::uint64_t>(), "18446744073709551616", "invalid type: floating point"},
        {"largest size value", reads(std::numeric_limits<std::uint64_t>::max()), "18446744073709551615", ""},
        {"int32 too large", reads_any<std::int32_t>(), "2147483648", "invalid value"},
        {"int32 negative", reads(std::int32_t{-2147483647 - 1}), "-2147483648", ""},
        {"null float unreadable", reads_any<float>(), "null", "invalid type: null"},
        {"map keeps the later entry", reads(std::map<std::uint64_t, bool>{{7, false}}), R"({"7": true, "7": false})",
         ""},
        {"map key not a number", reads_any<std::map<std::uint64_t, bool>>(), R"({"x": true})", "invalid map key"},
        {"negative size key", reads_any<std::map<std::uint64_t, bool>>(), R"({"-1": true})", "invalid map key"},
        {"enum by name", reads(UnitKind::K8), "\"K8\"", ""},
        {"enum as tagged null", reads(UnitKind::K2), R"({"K2": null})", ""},
        {"enum name is case-sensitive", reads_any<UnitKind>(), "\"k8\"", "unknown variant `k8`"},
        {"enum by index", reads_any<UnitKind>(), "3", "variant identifier"},
        {"one-of with fields", reads(Message{Move{{1, 2}, true, false}}),
         R"({"Move": {"target": [1, 2], "find_closest_position": true, "break_through": false}})", ""},
        {"one-of bare name", reads(Message{Finish{}}), "\"Finish\"", ""},
        {"one-of name with null", reads(Message{Finish{}}), R"({"Finish": null})", ""},
        {"one-of single value", reads(Message{Create{Preset::Finals}}), R"({"Create": "Finals"})", ""},
        {"one-of unknown", reads_any<Message>(), R"({"Attack": {}})", "unknown variant `Attack`"},
        {"one-of bare name needs fields", reads_any<Message>(), "\"Repair\"", "Repair"},
        {"one-of two keys", reads_any<Message>(), R"({"Finish": null, "Repair": {"target": 1}})",
         "invalid type: map, expected variant identifier"},
        {"one-of no key", reads_any<Message>(), "{}", "invalid type: map, expected variant identifier"},
        {"one-of number", reads_any<Message>(), "5", "invalid type: integer `5`, expected variant identifier"},
        {"one-of null", reads_any<Message>(), "null", "invalid type: null, expected variant identifier"},
        {"one-of array", reads_any<Message>(), R"(["Finish"])", "invalid type: sequence, expected variant identifier"},
        {"one-of unknown bare name", reads_any<Message>(), R"("Attack")",
         "unknown variant `Attack`, expected one of `Move`, `Finish`, `Repair`, `Create`"},
        {"one-of unknown name with null", reads_any<Message>(), R"({"Attack": null})",
         "unknown variant `Attack`, expected one of `Move`, `Finish`, `Repair`, `Create`"},
        {"one-of name without fields given an empty object", reads_any<Message>(), R"({"Finish": {}})",
         "invalid type: map, expected unit"},
        {"one-of name without fields given an empty array", reads_any<Message>(), R"({"Finish": []})",
         "invalid type: sequence, expected unit"},
        {"one-of name without fields given a value", reads_any<Message>(), R"({"Finish": 0})",
         "invalid type: integer `0`, expected unit"},
        {"one-of name without fields given a name", reads_any<Message>(), R"({"Finish": "Finish"})",
         "invalid type: string \"Finish\", expected unit"},
        {"optional null", reads(std::optional<std::int32_t>()), "null", ""},
        {"trailing text", reads_any<bool>(), "true false", "parse error"},
        {"malformed", reads_any<Point>(), R"({"x": 1,)", "parse error"},
        {"pair", reads(std::pair<std::uint64_t, bool>{4, true}), "[4, true]", ""},
    };
    for (const auto& c : cases) {
        if (*c.error == '\0') {
            try {
                c.read(c.text);
            } catch (const json::Error& error) {
                ADD_FAILURE() << c.name << ": " << error.what();
            }
            continue;
        }
        try {
            c.read(c.text);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const json::Error& error) {
            EXPECT_NE(std::string(error.what()).find(c.error), std::string::npos) << c.name << ": " << error.what();
        }
    }
}

TEST(Json, RoundTripsThroughText) {
    Unit unit{42, 3, UnitKind::K7, "Строитель", 0.1f, {UnitKind::K1}, {{4, Move{{1, 2}, true, false}}}};
    EXPECT_EQ(json::parse<Unit>(json::dump(unit)), unit);
    Options options{80, 4, true, -5, 1.25f, "title", Preset::Round2};
    EXPECT_EQ(json::parse<Options>(json::dump(options)), options);
    for (float value : {0.1f, 1e-30f, 3.4028235e38f, 16777217.0f, -0.0f}) {
        EXPECT_EQ(json::parse<float>(json::dump(value)), value) << json::dump(value);
    }
}

TEST(Json, ReadsFromALibraryDocument) {
    auto document = json::to_json(Point{5, 6});
    EXPECT_EQ(json::from_json<Point>(json::from_library(document)), (Point{5, 6}));
}

TEST(Json, DeepNestingIsRejected) {
    std::string text(100000, '[');
    EXPECT_THROW((void)json::Value::parse(text), json::Error);
}

}  // namespace
