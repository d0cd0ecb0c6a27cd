#include "velmora/camera.hpp"

#include <cmath>
#include <cstddef>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <pakko/json.hpp>
#include <pakko/pakko.hpp>
#include <pakko/schema.hpp>

namespace {

using kimbly::Vec2F32;
using kimbly::Vec2Usize;
using velmora::camera::Camera;
using velmora::camera::HALF_PI;

constexpr float CAMERA_TOLERANCE = 1e-3f;
const Vec2Usize SCREEN{800, 600};

Camera parallel() {
    Camera camera;
    camera.perspective = false;
    return camera;
}

Camera rotated() {
    Camera camera;
    camera.center = {5.0f, 7.0f};
    camera.rotation = HALF_PI;
    return camera;
}

Camera tilted() {
    Camera camera;
    camera.attack = 0.5f;
    return camera;
}

struct MappingCase {
    const char* name;
    Camera camera;
    Vec2F32 pixel;
    Vec2F32 world;
};

class CameraMapping : public testing::TestWithParam<MappingCase> {};

TEST_P(CameraMapping, PixelAndGroundPointMapToEachOther) {
    const auto& c = GetParam();
    Vec2F32 world = c.camera.screen_to_world(SCREEN, c.pixel);
    EXPECT_NEAR(world.x, c.world.x, CAMERA_TOLERANCE);
    EXPECT_NEAR(world.y, c.world.y, CAMERA_TOLERANCE);
    Vec2F32 pixel = c.camera.world_to_screen(SCREEN, c.world);
    EXPECT_NEAR(pixel.x, c.pixel.x, CAMERA_TOLERANCE);
    EXPECT_NEAR(pixel.y, c.pixel.y, CAMERA_TOLERANCE);
}

constexpr float HALF_WIDTH = 32.0f * 800.0f / 600.0f;

INSTANTIATE_TEST_SUITE_P(
    Cases, CameraMapping,
    testing::Values(MappingCase{"DefaultCentre", Camera{}, {400, 300}, {0, 0}},
                    MappingCase{"DefaultTop", Camera{}, {400, 600}, {0, 32}},
                    MappingCase{"DefaultRight", Camera{}, {800, 300}, {HALF_WIDTH, 0}},
                    MappingCase{"DefaultLowerLeft", Camera{}, {0, 0}, {-HALF_WIDTH, -32}},
                    MappingCase{"ParallelCentre", parallel(), {400, 300}, {0, 0}},
                    MappingCase{"ParallelTop", parallel(), {400, 600}, {0, 32}},
                    MappingCase{"ParallelRight", parallel(), {800, 300}, {HALF_WIDTH, 0}},
                    MappingCase{"ParallelLowerLeft", parallel(), {0, 0}, {-HALF_WIDTH, -32}},
                    // A quarter turn shows the world's +x upwards.
                    MappingCase{"RotatedTop", rotated(), {400, 600}, {37, 7}},
                    MappingCase{"RotatedCentre", rotated(), {400, 300}, {5, 7}},
                    MappingCase{"TiltedCentre", tilted(), {400, 300}, {0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Camera, TiltedViewRoundTripsPixelsBelowTheHorizon) {
    const Camera camera = tilted();
    // The depth range of 0.1 to 100000 costs the single-precision inverse
    // about five significant digits: a pixel comes back within a hundredth,
    // a ground point within a thousandth of a cell.
    constexpr float PIXEL_TOLERANCE = 1e-2f;
    for (Vec2F32 pixel : {Vec2F32{400, 300}, Vec2F32{0, 0}, Vec2F32{800, 0}, Vec2F32{123, 45}, Vec2F32{650, 280}}) {
        Vec2F32 world = camera.screen_to_world(SCREEN, pixel);
        Vec2F32 back = camera.world_to_screen(SCREEN, world);
        EXPECT_NEAR(back.x, pixel.x, PIXEL_TOLERANCE) << pixel.x << "," << pixel.y;
        EXPECT_NEAR(back.y, pixel.y, PIXEL_TOLERANCE) << pixel.x << "," << pixel.y;
    }
    for (Vec2F32 ground : {Vec2F32{0, 0}, Vec2F32{3, -4}, Vec2F32{-10, -20}, Vec2F32{15, 10}}) {
        Vec2F32 back = camera.screen_to_world(SCREEN, camera.world_to_screen(SCREEN, ground));
        EXPECT_NEAR(back.x, ground.x, CAMERA_TOLERANCE) << ground.x << "," << ground.y;
        EXPECT_NEAR(back.y, ground.y, CAMERA_TOLERANCE) << ground.x << "," << ground.y;
    }
    // Tilting shows nearer ground at the lower edge than above the centre.
    float near_y = camera.screen_to_world(SCREEN, {400, 0}).y;
    float far_y = camera.screen_to_world(SCREEN, {400, 250}).y;
    EXPECT_LT(near_y, far_y);
    EXPECT_LT(near_y, 0.0f);
}

std::vector<std::byte> little_endian_floats(std::initializer_list<float> values) {
    std::vector<std::byte> bytes(values.size() * sizeof(float));
    std::memcpy(bytes.data(), values.begin(), bytes.size());
    return bytes;
}

TEST(Camera, DefaultBinaryFormIsTwentyOneBytes) {
    auto expected = little_endian_floats({0.0f, 0.0f, 0.0f, 1.5707964f, 32.0f});
    expected.push_back(std::byte{1});
    EXPECT_EQ(pakko::to_bytes(Camera{}), expected);

    Camera camera = rotated();
    camera.perspective = false;
    EXPECT_EQ(pakko::from_bytes<Camera>(pakko::to_bytes(camera)), camera);
}

TEST(CameraJson, WritesKeysInFieldOrder) {
    EXPECT_EQ(pakko::json::to_json(Camera{}).dump(),
              R"({"center":{"x":0.0,"y":0.0},"rotation":0.0,"attack":1.5707964,"distance":32.0,"perspective":true})");
}

TEST(CameraJson, NonFiniteFieldsAreWrittenAsDefaultsSoTheFileStaysReadable) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    Camera camera;
    camera.center = {nan, 3.0f};
    camera.rotation = -inf;
    camera.attack = nan;
    camera.distance = inf;
    camera.perspective = false;

    Camera expected;
    expected.center = {0.0f, 3.0f};
    expected.perspective = false;
    EXPECT_EQ(pakko::json::parse<Camera>(pakko::json::dump(camera)), expected);
}

struct JsonReadCase {
    const char* name;
    const char* text;
    const char* error;  // empty when the text reads as `expected`
};

class CameraJsonRead : public testing::TestWithParam<JsonReadCase> {};

TEST_P(CameraJsonRead, ReadsOrNamesTheFault) {
    const auto& c = GetParam();
    Camera expected;
    expected.center = {1.5f, -2.0f};
    expected.rotation = 0.25f;
    expected.attack = 1.0f;
    expected.distance = 10.0f;
    expected.perspective = false;
    if (std::string(c.error).empty()) {
        EXPECT_EQ(pakko::json::parse<Camera>(c.text), expected);
    } else {
        try {
            pakko::json::parse<Camera>(c.text);
            FAIL() << "read " << c.text;
        } catch (const pakko::json::Error& error) {
            EXPECT_NE(std::string(error.what()).find(c.error), std::string::npos) << error.what();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CameraJsonRead,
    testing::Values(
        JsonReadCase{"FieldOrder",
                     R"({"center":{"x":1.5,"y":-2},"rotation":0.25,"attack":1,"distance":10,"perspective":false})", ""},
        JsonReadCase{"AnyOrderWithUnknownKey",
                     R"({"perspective":false,"zoom":3,"distance":10,"attack":1,"rotation":0.25,"center":{"y":-2,"x":1.5}})",
                     ""},
        JsonReadCase{"ArrayForm", R"([{"x":1.5,"y":-2},0.25,1,10,false])", ""},
        JsonReadCase{"MissingPerspective", R"({"center":{"x":1.5,"y":-2},"rotation":0.25,"attack":1,"distance":10})",
                     "missing field `perspective`"},
        JsonReadCase{"RepeatedKey",
                     R"({"center":{"x":1,"y":2},"rotation":0,"rotation":0,"attack":1,"distance":10,"perspective":false})",
                     "duplicate field `rotation`"},
        JsonReadCase{"NullDistance",
                     R"({"center":{"x":1,"y":2},"rotation":0,"attack":1,"distance":null,"perspective":false})",
                     "invalid type"},
        JsonReadCase{"ShortArray", R"([{"x":1.5,"y":-2},0.25,1,10])", "struct Camera with 5 elements"},
        JsonReadCase{"NotARecord", R"("camera")", "struct Camera"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CameraSchema, NamesFieldsAndKeepsDocumentationOrder) {
    auto schema = pakko::create_schema<Camera>();
    const auto* record = schema.get_if<pakko::Struct>();
    ASSERT_NE(record, nullptr);
    EXPECT_FALSE(record->magic.has_value());
    EXPECT_EQ(record->name, pakko::Name("Camera"));
    auto docs = [](const pakko::Documentation& d) {
        std::vector<std::string> out;
        for (const auto& entry : d.languages) out.push_back(entry.language + ":" + entry.text);
        return out;
    };
    EXPECT_EQ(docs(record->documentation),
              (std::vector<std::string>{"ru:Камера используемая для отрисовки", "en:Camera used for rendering"}));
    struct Expected {
        const char* name;
        pakko::SchemaPtr schema;
        std::vector<std::string> docs;
    };
    const std::vector<Expected> fields{
        {"center", pakko::Schema::of<kimbly::Vec2F32>(),
         {"en:Center point at which camera is looking", "ru:Точка на которую смотрит камера"}},
        {"rotation", pakko::Schema::of<float>(), {"en:Rotation angle", "ru:Угол поворота"}},
        {"attack", pakko::Schema::of<float>(), {"ru:Угол атаки", "en:Attack angle"}},
        {"distance", pakko::Schema::of<float>(), {"en:Distance to center", "ru:Расстояние до цели"}},
        {"perspective", pakko::Schema::of<bool>(),
         {"en:Whether perspective is applied", "ru:Применяется ли перспектива"}},
    };
    ASSERT_EQ(record->fields.size(), fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(record->fields[i].name, pakko::Name(fields[i].name));
        EXPECT_EQ(record->fields[i].schema, fields[i].schema) << fields[i].name;
        EXPECT_EQ(docs(record->fields[i].documentation), fields[i].docs);
    }
    EXPECT_EQ(record->fields[0].schema->full_name(), "Vec2Float32");
}

}  // namespace
