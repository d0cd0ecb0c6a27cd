#include "velmora/model/debug.hpp"

#include <cstdint>
#include <cstring>
#include <string>
#include <variant>
#include <vector>

#include <gtest/gtest.h>

#include <pakko/pakko.hpp>
#include <pakko/schema.hpp>

namespace {

using velmora::camera::Camera;
using velmora::model::ColoredVertex;
using velmora::model::DebugData;
using velmora::model::DebugState;
using velmora::model::PrimitiveType;

// Little-endian bytes built field by field, the way a player program writes them.
struct Bytes {
    std::vector<std::byte> data;

    Bytes& u8(std::uint8_t value) {
        data.push_back(std::byte{value});
        return *this;
    }
    Bytes& i32(std::int32_t value) { return raw(&value, 4); }
    Bytes& f32(float value) { return raw(&value, 4); }
    Bytes& str(const std::string& text) {
        i32(static_cast<std::int32_t>(text.size()));
        return raw(text.data(), text.size());
    }
    Bytes& raw(const void* source, std::size_t count) {
        const auto* bytes = static_cast<const std::byte*>(source);
        data.insert(data.end(), bytes, bytes + count);
        return *this;
    }
};

ColoredVertex screen_vertex(float dx, float dy) { return {std::nullopt, {dx, dy}, {0.25f, 0.5f, 0.75f, 1.0f}}; }

// A vertex without a world point: presence 0, then the offset at once.
Bytes& screen_vertex_bytes(Bytes& b, float dx, float dy) {
    return b.u8(0).f32(dx).f32(dy).f32(0.25f).f32(0.5f).f32(0.75f).f32(1.0f);
}

struct DecodeCase {
    const char* name;
    std::vector<std::byte> bytes;
    DebugData expected;
    std::string error;  // empty when the bytes decode to `expected`
    pakko::ErrorKind kind = pakko::ErrorKind::Other;
};

std::vector<DecodeCase> decode_cases() {
    std::vector<DecodeCase> cases;
    {
        Bytes b;
        b.i32(0).str("hello");
        cases.push_back({"Log", b.data, {DebugData::Log{"hello"}}, ""});
    }
    {
        Bytes b;
        b.i32(2);
        screen_vertex_bytes(b, 3.0f, -4.0f).str("hi").f32(0.5f).f32(16.0f);
        cases.push_back({"PlacedTextIsVertexTextAlignmentSize",
                         b.data,
                         {DebugData::PlacedText{screen_vertex(3.0f, -4.0f), "hi", 0.5f, 16.0f}},
                         ""});
    }
    {
        Bytes b;
        b.i32(1).i32(2);
        b.u8(1).f32(10.0f).f32(20.0f).f32(1).f32(2).f32(1).f32(0.5f).f32(0).f32(1);
        screen_vertex_bytes(b, 7.0f, 8.0f).i32(1);
        DebugData::Primitives expected{{ColoredVertex{kimbly::Vec2F32{10.0f, 20.0f}, {1, 2}, {1, 0.5f, 0, 1}},
                                        screen_vertex(7.0f, 8.0f)},
                                       PrimitiveType::Triangles};
        cases.push_back({"PrimitivesWithAndWithoutWorldPoint", b.data, {expected}, ""});
    }
    {
        Bytes b;
        b.i32(1).i32(0).i32(0);
        cases.push_back({"PrimitivesWithoutVertices", b.data, {DebugData::Primitives{{}, PrimitiveType::Lines}}, ""});
    }
    {
        Bytes b;
        b.i32(3);
        cases.push_back({"TagThree", b.data, {}, "Unexpected tag 3"});
    }
    {
        Bytes b;
        b.i32(-1);
        cases.push_back({"TagMinusOne", b.data, {}, "Unexpected tag -1"});
    }
    {
        Bytes b;
        b.i32(1).i32(0).i32(2);
        cases.push_back({"PrimitiveTypeTwo", b.data, {}, "Unexpected tag 2"});
    }
    {
        Bytes b;
        b.i32(2).u8(2);
        cases.push_back({"PresenceByteTwo", b.data, {}, "Bool value should be 0 or 1"});
    }
    {
        Bytes b;
        b.i32(1).i32(-1);
        cases.push_back({"NegativeVertexCount", b.data, {}, "-1 is invalid value"});
    }
    {
        // A hostile count with nothing behind it must end at the missing
        // bytes, not at an allocation sized by the count.
        Bytes b;
        b.i32(1).i32(2147483647);
        cases.push_back({"HugeVertexCount", b.data, {}, "failed to fill whole buffer", pakko::ErrorKind::UnexpectedEof});
    }
    {
        Bytes b;
        b.i32(0).i32(2147483647).raw("abc", 3);
        cases.push_back({"HugeTextLength", b.data, {}, "failed to fill whole buffer", pakko::ErrorKind::UnexpectedEof});
    }
    {
        Bytes b;
        b.i32(0).i32(2).u8(0xC3).u8(0x28);
        cases.push_back({"TextNotUtf8", b.data, {}, "", pakko::ErrorKind::InvalidData});
    }
    {
        Bytes b;
        b.i32(2);
        screen_vertex_bytes(b, 1.0f, 1.0f).str("cut").f32(0.5f);
        cases.push_back({"PlacedTextWithoutSize", b.data, {}, "failed to fill whole buffer",
                         pakko::ErrorKind::UnexpectedEof});
    }
    return cases;
}

class DebugDataDecoding : public testing::TestWithParam<DecodeCase> {};

TEST_P(DebugDataDecoding, ReadsWholeValuesOrReportsTheFault) {
    const auto& c = GetParam();
    bool expect_error = !c.error.empty() || c.kind != pakko::ErrorKind::Other;
    if (!expect_error) {
        EXPECT_EQ(pakko::from_bytes<DebugData>(c.bytes), c.expected);
        return;
    }
    try {
        pakko::from_bytes<DebugData>(c.bytes);
        FAIL() << "decoded";
    } catch (const pakko::IoError& error) {
        EXPECT_EQ(error.kind(), c.kind);
        if (!c.error.empty()) {
            EXPECT_EQ(std::string(error.what()), c.error);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, DebugDataDecoding, testing::ValuesIn(decode_cases()),
                         [](const auto& info) { return std::string(info.param.name); });

Camera sample_camera() {
    Camera camera;
    camera.center = {1.5f, 2.5f};
    camera.rotation = 0.25f;
    camera.perspective = false;
    return camera;
}

Bytes& camera_bytes(Bytes& b) { return b.f32(1.5f).f32(2.5f).f32(0.25f).f32(1.5707964f).f32(32.0f).u8(0); }

TEST(DebugStateEncoding, WritesFieldsInOrderWithoutHeader) {
    DebugState state{{800, 600}, {10.5f, 20.0f}, {3.0f, -1.0f}, {"A", "LShift", "MouseLeft"}, sample_camera(), 3};
    Bytes expected;
    expected.i32(800).i32(600).f32(10.5f).f32(20.0f).f32(3.0f).f32(-1.0f);
    expected.i32(3).str("A").str("LShift").str("MouseLeft");
    camera_bytes(expected).i32(3);
    EXPECT_EQ(pakko::to_bytes(state), expected.data);
}

TEST(DebugStateEncoding, NoKeysHeldWritesCountZeroThenTheCamera) {
    DebugState state{{1, 1}, {0, 0}, {0, 0}, {}, sample_camera(), 0};
    Bytes expected;
    expected.i32(1).i32(1).f32(0).f32(0).f32(0).f32(0).i32(0);
    camera_bytes(expected).i32(0);
    EXPECT_EQ(pakko::to_bytes(state), expected.data);
}

TEST(DebugStateEncoding, SizeValuesBeyondTheRangeFail) {
    for (DebugState state : {DebugState{{2147483648ull, 1}, {}, {}, {}, {}, 0},
                             DebugState{{1, 1}, {}, {}, {}, {}, 2147483648ull}}) {
        try {
            pakko::to_bytes(state);
            FAIL() << "encoded";
        } catch (const pakko::IoError& error) {
            EXPECT_EQ(std::string(error.what()), "2147483648 is invalid value");
        }
    }
}

using DocList = std::vector<std::string>;

DocList docs(const pakko::Documentation& documentation) {
    DocList out;
    for (const auto& entry : documentation.languages) out.push_back(entry.language + ":" + entry.text);
    return out;
}

struct FieldDocs {
    std::string name;
    pakko::SchemaPtr schema;
    DocList docs;
};

void expect_struct(const pakko::Struct& s, const std::string& name, const DocList& record_docs,
                   const std::vector<FieldDocs>& fields) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(s.magic.has_value());
    EXPECT_EQ(s.name, pakko::Name(name));
    EXPECT_EQ(docs(s.documentation), record_docs);
    ASSERT_EQ(s.fields.size(), fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(s.fields[i].name, pakko::Name(fields[i].name));
        EXPECT_EQ(s.fields[i].schema, fields[i].schema) << fields[i].name;
        EXPECT_EQ(docs(s.fields[i].documentation), fields[i].docs) << fields[i].name;
    }
}

TEST(DebugSchemas, PrimitiveType) {
    auto schema = pakko::create_schema<PrimitiveType>();
    const auto* e = schema.get_if<pakko::Schema::Enum>();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->base_name, pakko::Name("PrimitiveType"));
    EXPECT_EQ(docs(e->documentation),
              (DocList{"en:Primitive type for debug rendering", "ru:Тип примитивов для отладочной отрисовки"}));
    ASSERT_EQ(e->variants.size(), 2u);
    EXPECT_EQ(e->variants[0].name, pakko::Name("Lines"));
    EXPECT_EQ(docs(e->variants[0].documentation),
              (DocList{"ru:Линии, количество вершин должно делиться на 2",
                       "en:Lines, number of vertices should be divisible by 2"}));
    EXPECT_EQ(e->variants[1].name, pakko::Name("Triangles"));
    EXPECT_EQ(docs(e->variants[1].documentation),
              (DocList{"ru:Треугольники, количество вершин должно делиться на 3",
                       "en:Triangles, number of vertices should be divisible by 3"}));
}

TEST(DebugSchemas, ColoredVertex) {
    auto schema = pakko::create_schema<ColoredVertex>();
    ASSERT_NE(schema.get_if<pakko::Struct>(), nullptr);
    expect_struct(*schema.get_if<pakko::Struct>(), "ColoredVertex",
                  {"ru:Вершина для отладочной отрисовки", "en:Vertex for debug rendering"},
                  {{"world_pos", pakko::Schema::of<std::optional<kimbly::Vec2F32>>(),
                    {"en:Position in world coordinates (if none, screen position (0, 0) is used)",
                     "ru:Позиция в мировых координатах (если отсутствует, используются координаты (0, 0) экрана)"}},
                   {"screen_offset", pakko::Schema::of<kimbly::Vec2F32>(),
                    {"ru:Дополнительное смещение в экранных координатах", "en:Additional offset in screen coordinates"}},
                   {"color", pakko::Schema::of<kimbly::ColorF32>(), {"ru:Цвет", "en:Color to use"}}});
}

TEST(DebugSchemas, DebugData) {
    auto schema = pakko::create_schema<DebugData>();
    const auto* one_of = schema.get_if<pakko::Schema::OneOf>();
    ASSERT_NE(one_of, nullptr);
    EXPECT_EQ(one_of->base_name, pakko::Name("DebugData"));
    EXPECT_EQ(docs(one_of->documentation),
              (DocList{"ru:Данные для отладки, которые могут быть отображены при помощи приложения",
                       "en:Debug data can be drawn in the app"}));
    ASSERT_EQ(one_of->variants.size(), 3u);
    expect_struct(one_of->variants[0], "Log", {"ru:Добавить запись в лог", "en:Log some text"},
                  {{"text", pakko::Schema::of<std::string>(), {"ru:Текст лога", "en:Text to show"}}});
    expect_struct(one_of->variants[1], "Primitives", {"en:Draw primitives", "ru:Отрисовка примитивов"},
                  {{"vertices", pakko::Schema::of<std::vector<ColoredVertex>>(), {"en:Vertices", "ru:Вершины"}},
                   {"primitive_type", pakko::Schema::of<PrimitiveType>(), {"en:Primitive type", "ru:Тип примитивов"}}});
    expect_struct(one_of->variants[2], "PlacedText", {"en:Draw text", "ru:Отрисовка текста"},
                  {{"vertex", pakko::Schema::of<ColoredVertex>(),
                    {"ru:Вершина для определения положения и цвета текста",
                     "en:Vertex to determine text position and color"}},
                   {"text", pakko::Schema::of<std::string>(), {"en:Text", "ru:Текст"}},
                   {"alignment", pakko::Schema::of<float>(),
                    {"en:Text alignment (0 means left, 0.5 means center, 1 means right)",
                     "ru:Выравнивание (0 - по левому краю, 0.5 - по центру, 1 - по правому краю)"}},
                   {"size", pakko::Schema::of<float>(), {"en:Font size in pixels", "ru:Размер шрифта в пикселях"}}});
}

TEST(DebugSchemas, DebugState) {
    auto schema = pakko::create_schema<DebugState>();
    ASSERT_NE(schema.get_if<pakko::Struct>(), nullptr);
    expect_struct(
        *schema.get_if<pakko::Struct>(), "DebugState",
        {"en:Debug state to be received from the app", "ru:Состояние для отладки, получаемое из приложения"},
        {{"window_size", pakko::Schema::of<kimbly::Vec2Usize>(),
          {"ru:Размер окна для отрисовки", "en:Size of the drawing canvas"}},
         {"mouse_pos_window", pakko::Schema::of<kimbly::Vec2F32>(),
          {"ru:Положение курсора в оконных координатах", "en:Mouse position in window coordinates"}},
         {"mouse_pos_world", pakko::Schema::of<kimbly::Vec2F32>(),
          {"en:Mouse position in world coordinates", "ru:Положение курсора в мировых координатах"}},
         {"pressed_keys", pakko::Schema::of<std::vector<std::string>>(),
          {"ru:Кнопки, нажатые в данный момент", "en:Currently pressed keys"}},
         {"camera", pakko::Schema::of<Camera>(),
          {"en:Current camera used for rendering", "ru:Текущая камера используемая для отрисовки"}},
         {"player_index", pakko::Schema::of<std::int32_t>(), {"ru:Индекс вашего игрока", "en:Your player's index"}}});
    EXPECT_EQ(schema.get_if<pakko::Struct>()->fields[0].schema->full_name(), "Vec2Int32");
}

}  // namespace
