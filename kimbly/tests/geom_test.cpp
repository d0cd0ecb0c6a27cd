#include "kimbly/geom.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include <pakko/json.hpp>
#include <pakko/measure.hpp>
#include <pakko/pakko.hpp>
#include <pakko/schema.hpp>

namespace kimbly {
namespace {

constexpr float HALF_PI = 1.5707964f;

Mat4F32 from_rows(std::array<std::array<float, 4>, 4> rows) {
    Mat4F32 m;
    for (std::size_t i = 0; i < 4; ++i)
        for (std::size_t j = 0; j < 4; ++j) m.at(i, j) = rows[i][j];
    return m;
}

void expect_near(const Mat4F32& actual, const Mat4F32& expected, float tolerance, const std::string& what) {
    for (std::size_t i = 0; i < 4; ++i)
        for (std::size_t j = 0; j < 4; ++j)
            EXPECT_NEAR(actual.at(i, j), expected.at(i, j), tolerance) << what << " at (" << i << ", " << j << ")";
}

TEST(Mat4, LayoutIsColumnMajor) {
    Mat4F32 t = Mat4F32::translation(5, 6, 7);
    EXPECT_EQ(t.values[12], 5);
    EXPECT_EQ(t.values[13], 6);
    EXPECT_EQ(t.values[14], 7);
    EXPECT_EQ(t.at(0, 3), 5);
    EXPECT_EQ(t.at(3, 0), 0);
}

// Each row: a transform, a point (w = 1) or direction (w = 0), the image.
TEST(Mat4, TransformsMapPointsWhereTheyShould) {
    struct Case {
        const char* name;
        Mat4F32 m;
        Mat4F32::Column in, out;
    };
    const std::vector<Case> cases = {
        {"identity", Mat4F32::identity(), {1, 2, 3, 1}, {1, 2, 3, 1}},
        {"translation moves points", Mat4F32::translation(1, -2, 3), {1, 1, 1, 1}, {2, -1, 4, 1}},
        {"translation keeps directions", Mat4F32::translation(1, -2, 3), {1, 1, 1, 0}, {1, 1, 1, 0}},
        {"rotation z turns x into y", Mat4F32::rotation_z(HALF_PI), {1, 0, 0, 1}, {0, 1, 0, 1}},
        {"rotation z turns y into -x", Mat4F32::rotation_z(HALF_PI), {0, 1, 0, 1}, {-1, 0, 0, 1}},
        {"rotation x turns y into z", Mat4F32::rotation_x(HALF_PI), {0, 1, 0, 1}, {0, 0, 1, 1}},
        {"rotation x turns z into -y", Mat4F32::rotation_x(HALF_PI), {0, 0, 1, 1}, {0, -1, 0, 1}},
        {"from_orts sends axes to the given vectors",
         Mat4F32::from_orts({1, 2, 3}, {4, 5, 6}, {7, 8, 9}), {0, 1, 0, 1}, {4, 5, 6, 1}},
        {"rightmost factor applies first",
         Mat4F32::translation(10, 0, 0) * Mat4F32::rotation_z(HALF_PI), {1, 0, 0, 1}, {10, 1, 0, 1}},
        {"leftmost factor applies last",
         Mat4F32::rotation_z(HALF_PI) * Mat4F32::translation(10, 0, 0), {1, 0, 0, 1}, {0, 11, 0, 1}},
    };
    for (const auto& c : cases) {
        auto got = c.m * c.in;
        for (std::size_t i = 0; i < 4; ++i) EXPECT_NEAR(got[i], c.out[i], 1e-6f) << c.name << " component " << i;
    }
}

TEST(Mat4, FromOrtsOfTheAxesIsTheIdentity) {
    EXPECT_EQ(Mat4F32::from_orts({1, 0, 0}, {0, 1, 0}, {0, 0, 1}), Mat4F32::identity());
}

TEST(Mat4, Inverse) {
    const Mat4F32 general = from_rows({{{2, 0, 1, 3}, {1, 3, 0, -1}, {0, 1, 4, 2}, {1, -2, 0, 5}}});
    Mat4F32 zero_column = general;
    zero_column.set_column(2, {0, 0, 0, 0});
    const Mat4F32 zero = {};
    struct Case {
        const char* name;
        Mat4F32 m;
        Mat4F32 expected;
    };
    const std::vector<Case> cases = {
        {"identity", Mat4F32::identity(), Mat4F32::identity()},
        {"translation", Mat4F32::translation(3, -4, 5), Mat4F32::translation(-3, 4, -5)},
        {"rotation about z", Mat4F32::rotation_z(0.7f), Mat4F32::rotation_z(-0.7f)},
        {"rotation about x", Mat4F32::rotation_x(-1.2f), Mat4F32::rotation_x(1.2f)},
        {"singular: a zero column", zero_column, Mat4F32::identity()},
        {"singular: all zero (determinant -0 or 0)", zero, Mat4F32::identity()},
        {"singular: two equal rows", from_rows({{{1, 2, 3, 4}, {1, 2, 3, 4}, {0, 1, 0, 0}, {0, 0, 1, 0}}}),
         Mat4F32::identity()},
    };
    for (const auto& c : cases) expect_near(c.m.inverse(), c.expected, 1e-6f, c.name);

    // Every element of the adjugate matters here: no entry is zero and the
    // matrix is not symmetric, so a misplaced cofactor shows.
    expect_near(general * general.inverse(), Mat4F32::identity(), 1e-5f, "general · inverse");
    expect_near(general.inverse() * general, Mat4F32::identity(), 1e-5f, "inverse · general");
}

TEST(Mat4, InverseOfNanMatrixIsNan) {
    Mat4F32 m = Mat4F32::identity();
    m.at(1, 2) = std::numeric_limits<float>::quiet_NaN();
    Mat4F32 inv = m.inverse();
    for (float v : inv.values) EXPECT_TRUE(std::isnan(v));
}

TEST(Mat4, Perspective) {
    Mat4F32 p = Mat4F32::perspective(HALF_PI, 1.0f, 0.1f, 100000.0f);
    Mat4F32 expected;
    expected.at(0, 0) = 1;
    expected.at(1, 1) = 1;
    expected.at(2, 2) = (-100000.0f - 0.1f) / (100000.0f - 0.1f);
    expected.at(2, 3) = -(0.1f + 0.1f) * 100000.0f / (100000.0f - 0.1f);
    expected.at(3, 2) = -1;
    expect_near(p, expected, 1e-6f, "fov pi/2, aspect 1");
    EXPECT_EQ(p.at(3, 3), 0.0f);
    EXPECT_EQ(p.at(3, 2), -1.0f);

    // The aspect narrows x only; near and far land on depth -1 and 1.
    Mat4F32 wide = Mat4F32::perspective(HALF_PI, 2.0f, 1.0f, 10.0f);
    EXPECT_NEAR(wide.at(0, 0), 0.5f, 1e-6f);
    EXPECT_NEAR(wide.at(1, 1), 1.0f, 1e-6f);
    for (auto [z, depth] : {std::pair{-1.0f, -1.0f}, std::pair{-10.0f, 1.0f}}) {
        auto clip = wide * Mat4F32::Column{0, 0, z, 1};
        EXPECT_NEAR(clip[2] / clip[3], depth, 1e-6f) << "z " << z;
    }
}

TEST(Vec2, Arithmetic) {
    EXPECT_EQ((2.0f * Vec2F32{1.5f, -3.0f}), (Vec2F32{3.0f, -6.0f}));
    EXPECT_EQ((Vec2F32{3, 4}).length(), 5.0f);
    EXPECT_EQ((Vec2F64{-6, 8}).length(), 10.0);
    EXPECT_EQ((Vec2Usize{5, 7} + Vec2Usize{1, 2}), (Vec2Usize{6, 9}));
    EXPECT_EQ((Vec2Usize{5, 7} - Vec2Usize{1, 2}), (Vec2Usize{4, 5}));
    EXPECT_EQ((Vec2F32{0.5f, 1} - Vec2F32{1, 1}), (Vec2F32{-0.5f, 0}));
}

TEST(Num, Atan2TakesTheReceiverAsY) {
    EXPECT_NEAR(num::atan2(1.0f, 0.0f), HALF_PI, 1e-6f);
    EXPECT_NEAR(num::atan2(0.0f, -1.0f), 3.14159265f, 1e-6f);
    auto [s, c] = num::sin_cos(HALF_PI);
    EXPECT_NEAR(s, 1.0f, 1e-6f);
    EXPECT_NEAR(c, 0.0f, 1e-6f);
}

TEST(Aabb, FromCornersOrdersEachAxis) {
    auto box = AabbF32::from_corners({4, -1}, {-2, 3});
    EXPECT_EQ(box, (AabbF32{-2, 4, -1, 3}));
    EXPECT_EQ(box.width(), 6);
    EXPECT_EQ(box.height(), 4);
    EXPECT_EQ(AabbUsize::from_corners({1, 9}, {5, 2}), (AabbUsize{1, 5, 2, 9}));
}

std::vector<std::byte> le32(std::initializer_list<std::uint32_t> words) {
    std::vector<std::byte> out(words.size() * 4);
    std::size_t at = 0;
    for (std::uint32_t w : words) {
        std::memcpy(out.data() + at, &w, 4);
        at += 4;
    }
    return out;
}

std::string io_error_text(auto&& action) {
    try {
        action();
    } catch (const pakko::IoError& e) {
        return e.what();
    }
    return "no error";
}

TEST(Vec2Binary, ComponentsInOrderUnderTheirOwnRules) {
    EXPECT_EQ(pakko::to_bytes(Vec2F32{1.0f, -2.0f}), le32({0x3f800000u, 0xc0000000u}));
    EXPECT_EQ(pakko::from_bytes<Vec2F32>(le32({0x3f800000u, 0xc0000000u})), (Vec2F32{1.0f, -2.0f}));
    EXPECT_EQ(pakko::to_bytes(Vec2Usize{2147483647u, 5}), le32({0x7fffffffu, 5}));
    EXPECT_EQ(pakko::from_bytes<Vec2Usize>(le32({3, 0x7fffffffu})), (Vec2Usize{3, 2147483647u}));
    EXPECT_EQ(pakko::measured_size(Vec2Usize{1, 2}), 16u);
    EXPECT_EQ(pakko::measured_size(Vec2F32{1, 2}), 8u);

    struct Case {
        const char* name;
        std::string text;
        std::string expected;
    };
    const std::vector<Case> failures = {
        {"x above the size-value range",
         io_error_text([] { pakko::to_bytes(Vec2Usize{2147483648u, 0}); }), "2147483648 is invalid value"},
        {"y above the size-value range",
         io_error_text([] { pakko::to_bytes(Vec2Usize{0, 1ull << 40}); }), "1099511627776 is invalid value"},
        {"negative x", io_error_text([] { pakko::from_bytes<Vec2Usize>(le32({0xffffffffu, 0})); }),
         "-1 is invalid value"},
        {"negative y", io_error_text([] { pakko::from_bytes<Vec2Usize>(le32({0, 0x80000000u})); }),
         "-2147483648 is invalid value"},
    };
    for (const auto& c : failures) EXPECT_EQ(c.text, c.expected) << c.name;
}

TEST(Vec2Schema, NameComesFromTheComponent) {
    using Docs = std::vector<pakko::LanguageDocumentation>;
    const Docs vec_docs = {{"en", "2 dimensional vector."}, {"ru", "Двумерный вектор"}};
    const Docs x_docs = {{"ru", "Координата `x` вектора"}, {"en", "`x` coordinate of the vector"}};
    const Docs y_docs = {{"en", "`y` coordinate of the vector"}, {"ru", "Координата `y` вектора"}};
    struct Case {
        pakko::SchemaPtr schema;
        std::string name;
        pakko::SchemaPtr component;
    };
    const std::vector<Case> cases = {
        {pakko::Schema::of<Vec2F32>(), "Vec2Float32", pakko::Schema::of<float>()},
        {pakko::Schema::of<Vec2Usize>(), "Vec2Int32", pakko::Schema::of<std::int32_t>()},
    };
    for (const auto& c : cases) {
        const auto* s = c.schema->get_if<pakko::Struct>();
        ASSERT_NE(s, nullptr) << c.name;
        EXPECT_EQ(s->name.raw(), c.name);
        EXPECT_FALSE(s->magic.has_value()) << c.name;
        EXPECT_EQ(s->documentation.languages, vec_docs) << c.name;
        ASSERT_EQ(s->fields.size(), 2u) << c.name;
        EXPECT_EQ(s->fields[0].name.raw(), "X") << c.name;
        EXPECT_EQ(s->fields[0].documentation.languages, x_docs) << c.name;
        EXPECT_EQ(s->fields[0].schema, c.component) << c.name;
        EXPECT_EQ(s->fields[1].name.raw(), "Y") << c.name;
        EXPECT_EQ(s->fields[1].documentation.languages, y_docs) << c.name;
        EXPECT_EQ(s->fields[1].schema, c.component) << c.name;
    }
    // Both vectors are records of their own name: interning keeps them apart.
    EXPECT_NE(pakko::Schema::of<Vec2F32>(), pakko::Schema::of<Vec2Usize>());
    EXPECT_EQ(pakko::Schema::of<Vec2Usize>(), pakko::Schema::of<Vec2Usize>());
}

TEST(Vec2Json, ReadsObjectsInAnyOrderAndTheArrayForm) {
    struct Case {
        const char* text;
        Vec2Usize expected;
    };
    const std::vector<Case> cases = {
        {R"({"x": 1, "y": 2})", {1, 2}},
        {R"({"y": 2, "x": 1, "z": {"nested": [1, null]}})", {1, 2}},
        {"[1, 2]", {1, 2}},
        {R"({"x": 0, "y": 2147483648})", {0, 2147483648u}},
    };
    for (const auto& c : cases) EXPECT_EQ(pakko::json::parse<Vec2Usize>(c.text), c.expected) << c.text;
    EXPECT_EQ(pakko::json::parse<Vec2F32>(R"({"y": -0.5, "x": 0.1})"), (Vec2F32{0.1f, -0.5f}));
}

TEST(Vec2Json, RejectsMalformedVectors) {
    struct Case {
        const char* text;
        const char* message_part;
    };
    const std::vector<Case> cases = {
        {R"({"x": 1})", "missing field `y`"},
        {R"({"z": 1})", "missing field `x`"},
        {R"({"x": 1, "y": 2, "x": 3})", "duplicate field `x`"},
        {"[1]", "struct Vec2 with 2 elements"},
        {"[]", "struct Vec2 with 2 elements"},
        {"[1, 2, 3]", "struct Vec2 with 2 elements"},
        {"7", "struct Vec2"},
        {"null", "struct Vec2"},
        {R"({"x": -1, "y": 2})", "-1"},
        {R"({"x": 1.5, "y": 2})", "1.5"},
        {"[1, -2]", "-2"},
    };
    for (const auto& c : cases) {
        try {
            pakko::json::parse<Vec2Usize>(c.text);
            ADD_FAILURE() << c.text << " was read";
        } catch (const pakko::json::Error& e) {
            EXPECT_NE(std::string(e.what()).find(c.message_part), std::string::npos)
                << c.text << " failed with: " << e.what();
        }
    }
}

TEST(Vec2Json, Writing) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        const char* name;
        std::string written;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"size values", pakko::json::to_json(Vec2Usize{3, 2147483648u}).dump(), R"({"x":3,"y":2147483648})"},
        {"shortest float text", pakko::json::to_json(Vec2F32{0.1f, -2.5f}).dump(), R"({"x":0.1,"y":-2.5})"},
        {"non-finite as null", pakko::json::to_json(Vec2F32{nan, -inf}).dump(), R"({"x":null,"y":null})"},
        {"pretty", pakko::json::dump(Vec2Usize{1, 2}), "{\n  \"x\": 1,\n  \"y\": 2\n}"},
        {"64-bit floats keep their precision", pakko::json::to_json(Vec2F64{0.1, 0.1 + 0.2}).dump(),
         R"({"x":0.1,"y":0.30000000000000004})"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.written, c.expected) << c.name;

    // A vector written with a NaN does not read back.
    EXPECT_THROW(pakko::json::parse<Vec2F32>(pakko::json::dump(Vec2F32{nan, 1})), pakko::json::Error);
    for (Vec2F32 v : {Vec2F32{0.1f, 3.4028235e38f}, Vec2F32{-1e-45f, 16777217.0f}}) {
        EXPECT_EQ(pakko::json::parse<Vec2F32>(pakko::json::dump(v)), v);
    }
}

}  // namespace
}  // namespace kimbly
