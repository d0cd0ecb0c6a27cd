#include "kimbly/color.hpp"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <vector>

#include <pakko/measure.hpp>
#include <pakko/pakko.hpp>
#include <pakko/schema.hpp>

namespace kimbly {
namespace {

std::vector<std::byte> bytes_of(std::initializer_list<float> values) {
    std::vector<std::byte> out(values.size() * 4);
    std::size_t at = 0;
    for (float v : values) {
        std::memcpy(out.data() + at, &v, 4);
        at += 4;
    }
    return out;
}

TEST(Color, BinaryIsFourFloatsInOrder) {
    ColorF32 color{0.25f, -1.0f, 2.0f, 0.5f};
    EXPECT_EQ(pakko::to_bytes(color), bytes_of({0.25f, -1.0f, 2.0f, 0.5f}));
    EXPECT_EQ(pakko::from_bytes<ColorF32>(bytes_of({0.25f, -1.0f, 2.0f, 0.5f})), color);
    EXPECT_EQ(pakko::measured_size(color), 16u);

    auto short_input = bytes_of({1, 2, 3});
    try {
        pakko::from_bytes<ColorF32>(short_input);
        FAIL() << "three floats decoded as a colour";
    } catch (const pakko::IoError& e) {
        EXPECT_EQ(e.kind(), pakko::ErrorKind::UnexpectedEof);
    }
}

TEST(Color, SchemaKeepsTheTextsAndTheirOrder) {
    pakko::SchemaPtr schema = pakko::Schema::of<ColorF32>();
    const auto* s = schema->get_if<pakko::Struct>();
    ASSERT_NE(s, nullptr);
    EXPECT_FALSE(s->magic.has_value());
    EXPECT_EQ(s->name.raw(), "Color");
    using Docs = std::vector<pakko::LanguageDocumentation>;
    EXPECT_EQ(s->documentation.languages, (Docs{{"en", "RGBA Color"}, {"ru", "Цвет в формате RGBA"}}));

    struct Case {
        const char* name;
        Docs docs;
    };
    const std::vector<Case> fields = {
        {"r", {{"ru", "Компонента красного цвета"}, {"en", "Red component"}}},
        {"g", {{"ru", "Компонента зеленого цвета"}, {"en", "Green component"}}},
        {"b", {{"ru", "Компонента синего цвета"}, {"en", "Blue component"}}},
        {"a", {{"en", "Alpha (opacity) component"}, {"ru", "Комнонента видимости (непрозрачности)"}}},
    };
    ASSERT_EQ(s->fields.size(), fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(s->fields[i].name.raw(), pakko::Name(fields[i].name).raw());
        EXPECT_EQ(s->fields[i].documentation.languages, fields[i].docs) << fields[i].name;
        EXPECT_EQ(s->fields[i].schema, pakko::Schema::of<float>()) << fields[i].name << " is not the shared Float32";
    }
}

}  // namespace
}  // namespace kimbly
