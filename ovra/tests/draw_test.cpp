#include <gtest/gtest.h>

#include <kimbly/panic.hpp>

#include <cstddef>

#include "fake_gl.hpp"
#include "ovra/draw.hpp"

#include "test_support/panic_message.hpp"

namespace test_records {

struct Corner {
    float a_pos[2];
};
constexpr std::array<ovra::VertexAttribute, 1> vertex_attributes(std::type_identity<Corner>) {
    return {{{"a_pos", 0, 2}}};
}

// 32 bytes, of which the program uses a_pos and a_color only.
struct Wide {
    float a_pos[2];
    float a_color[4];
    float a_unused[2];
};
constexpr std::array<ovra::VertexAttribute, 3> vertex_attributes(std::type_identity<Wide>) {
    return {{{"a_pos", offsetof(Wide, a_pos), 2},
             {"a_color", offsetof(Wide, a_color), 4},
             {"a_unused", offsetof(Wide, a_unused), 2}}};
}

struct Instance {
    float i_pos[3];
};
constexpr std::array<ovra::VertexAttribute, 1> vertex_attributes(std::type_identity<Instance>) {
    return {{{"i_pos", 0, 3}}};
}

}  // namespace test_records

namespace {

using test_support::panic_message;
using test_records::Corner;
using test_records::Instance;
using test_records::Wide;

struct DrawTest : ::testing::Test {
    ovra::testing::FakeGl fake;
    ovra_raw::RecordingContext& gl = *fake.gl;
    ovra::Framebuffer window{fake.ovra};
    ovra::Program program = fake.program({{"a_pos", 0}, {"a_color", 1}, {"i_pos", 2}, {"a_elsewhere", 5}},
                                         {{"u_color", 3}});

    void draw(ovra::DrawMode mode, const ovra::VertexData& vertices) {
        ovra::draw::draw(window, program, mode, vertices, {}, {});
    }
    static std::vector<Corner> corners(std::size_t count) { return std::vector<Corner>(count, Corner{{1, 2}}); }
};

TEST_F(DrawTest, WholeBufferDrawRunsItsStepsInOrder) {
    auto buffer = ovra::VertexBuffer<Corner>::new_dynamic(fake.ovra, corners(3));
    gl.calls.clear();
    ovra::draw::draw(window, program, ovra::draw_mode::Triangles{}, buffer,
                     {{"u_color", kimbly::ColorF32{1, 0, 0, 1}}}, {});
    ASSERT_GE(gl.calls.size(), 15u);
    std::vector<std::string> steps(gl.calls.begin(), gl.calls.begin() + 15);
    EXPECT_EQ(steps, (std::vector<std::string>{
                            "bind_framebuffer(36160, 0)", "depth_func(519)", "disable(3042)", "disable(2884)",
                            "viewport(0, 0, 1, 1)", "depth_mask(1)", "use_program(2)", "uniform_4f(3, 1, 0, 0, 1)",
                            "create_vertex_array() -> 4", "bind_vertex_array(4)", "bind_buffer(34962, 3)",
                            "enable_vertex_attrib_array(0)", "vertex_attrib_pointer(0, 2, 5126, 0, 8, 0)",
                            "vertex_attrib_divisor(0, 0)", "draw_arrays(4, 0, 3)"}))
        << "then every attribute of the program is disabled";
}

TEST_F(DrawTest, DrawDisablesEveryProgramAttributeAndDeletesItsVertexArray) {
    auto buffer = ovra::VertexBuffer<Corner>::new_static(fake.ovra, corners(1));
    draw(ovra::draw_mode::Points{}, buffer);
    std::vector<std::string> tail(gl.calls.end() - 5, gl.calls.end());
    std::sort(tail.begin(), tail.end() - 1);
    EXPECT_EQ(tail, (std::vector<std::string>{"disable_vertex_attrib_array(0)", "disable_vertex_attrib_array(1)",
                                              "disable_vertex_attrib_array(2)", "disable_vertex_attrib_array(5)",
                                              "delete_vertex_array(4)"}));
}

TEST_F(DrawTest, RangeOfWideRecordsStartsAtItsByteOffsetAndSkipsUnusedFields) {
    std::vector<Wide> records(32);
    auto buffer = ovra::VertexBuffer<Wide>::new_dynamic(fake.ovra, records);
    gl.calls.clear();
    draw(ovra::draw_mode::Points{}, ovra::VertexRange(buffer, 10, 20));
    EXPECT_EQ(gl.calls_named("vertex_attrib_pointer"),
              (std::vector<std::string>{"vertex_attrib_pointer(0, 2, 5126, 0, 32, 320)",
                                        "vertex_attrib_pointer(1, 4, 5126, 0, 32, 328)"}));
    EXPECT_EQ(gl.calls_named("draw_arrays"), std::vector<std::string>{"draw_arrays(0, 0, 10)"});
    EXPECT_EQ(panic_message([&] { draw(ovra::draw_mode::Points{}, ovra::VertexRange(buffer, 20, 33)); }),
              "range 20..33 out of range for 32 records");
    EXPECT_EQ(panic_message([&] { draw(ovra::draw_mode::Points{}, ovra::VertexRange(buffer, 5, 4)); }),
              "range 5..4 out of range for 32 records");
}

TEST_F(DrawTest, InstancedPairDrawsEachInstanceRecordOnce) {
    auto quad = ovra::VertexBuffer<Corner>::new_static(fake.ovra, corners(4));
    auto instances = ovra::VertexBuffer<Instance>::new_dynamic(fake.ovra, std::vector<Instance>(5));
    gl.calls.clear();
    draw(ovra::draw_mode::TriangleFan{}, ovra::VertexData::instanced(quad, ovra::VertexRange(instances, 1, 4)));
    EXPECT_EQ(gl.calls_named("vertex_attrib_divisor"),
              (std::vector<std::string>{"vertex_attrib_divisor(0, 0)", "vertex_attrib_divisor(2, 1)"}));
    EXPECT_EQ(gl.calls_named("vertex_attrib_pointer").back(), "vertex_attrib_pointer(2, 3, 5126, 0, 12, 12)");
    EXPECT_EQ(gl.calls_named("draw_arrays_instanced"),
              std::vector<std::string>{"draw_arrays_instanced(6, 0, 4, 3)"});

    // No instances: everything is set up, nothing is drawn.
    gl.calls.clear();
    draw(ovra::draw_mode::TriangleFan{}, ovra::VertexData::instanced(quad, ovra::VertexRange(instances, 2, 2)));
    EXPECT_FALSE(gl.calls_named("vertex_attrib_pointer").empty());
    EXPECT_TRUE(gl.calls_named("draw_arrays_instanced").empty());
    EXPECT_TRUE(gl.calls_named("draw_arrays").empty());
}

TEST_F(DrawTest, NoVerticesDrawsNothingAndAppliesNoCountRule) {
    auto empty = ovra::VertexBuffer<Corner>::new_dynamic(fake.ovra, {});
    gl.calls.clear();
    draw(ovra::draw_mode::Lines{2.0f}, empty);
    EXPECT_EQ(gl.calls_named("create_vertex_array"), std::vector<std::string>{"create_vertex_array() -> 4"});
    EXPECT_EQ(gl.calls.back(), "delete_vertex_array(4)");
    EXPECT_TRUE(gl.calls_named("line_width").empty());
    EXPECT_TRUE(gl.calls_named("draw_arrays").empty());
}

TEST_F(DrawTest, ModesMapToTheirGlModesAndSetLineWidthFirst) {
    struct Case {
        ovra::DrawMode mode;
        std::size_t vertices;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {ovra::draw_mode::Points{}, 1, {"draw_arrays(0, 0, 1)"}},
        {ovra::draw_mode::Lines{4.0f}, 4, {"line_width(4)", "draw_arrays(1, 0, 4)"}},
        {ovra::draw_mode::LineStrip{1.5f}, 2, {"line_width(1.5)", "draw_arrays(3, 0, 2)"}},
        {ovra::draw_mode::LineLoop{1.0f}, 3, {"line_width(1)", "draw_arrays(2, 0, 3)"}},
        {ovra::draw_mode::Triangles{}, 6, {"draw_arrays(4, 0, 6)"}},
        {ovra::draw_mode::TriangleStrip{}, 3, {"draw_arrays(5, 0, 3)"}},
        {ovra::draw_mode::TriangleFan{}, 5, {"draw_arrays(6, 0, 5)"}},
    };
    for (const Case& c : cases) {
        auto buffer = ovra::VertexBuffer<Corner>::new_static(fake.ovra, corners(c.vertices));
        gl.calls.clear();
        draw(c.mode, buffer);
        std::vector<std::string> drawn = gl.calls_named("line_width");
        for (const std::string& call : gl.calls_named("draw_arrays")) drawn.push_back(call);
        EXPECT_EQ(drawn, c.calls);
    }
}

using DrawDeathTest = DrawTest;

TEST_F(DrawDeathTest, CountsThatBreakTheModeRuleStopTheProgram) {
    struct Case {
        ovra::DrawMode mode;
        std::size_t vertices;
        const char* message;
    };
    const Case cases[] = {
        {ovra::draw_mode::Lines{1.0f}, 3, "assertion failed: vertex_count % 2 == 0"},
        {ovra::draw_mode::LineStrip{1.0f}, 1, "assertion failed: vertex_count >= 2"},
        {ovra::draw_mode::LineLoop{1.0f}, 2, "assertion failed: vertex_count >= 3"},
        {ovra::draw_mode::Triangles{}, 7, "assertion failed: vertex_count % 3 == 0"},
        {ovra::draw_mode::TriangleStrip{}, 2, "assertion failed: vertex_count >= 3"},
        {ovra::draw_mode::TriangleFan{}, 2, "assertion failed: vertex_count >= 3"},
    };
    for (const Case& c : cases) {
        auto buffer = ovra::VertexBuffer<Corner>::new_static(fake.ovra, corners(c.vertices));
        EXPECT_EXIT(std::exit(kimbly::run_main([&] {
                        draw(c.mode, buffer);
                        return 0;
                    })),
                    ::testing::ExitedWithCode(kimbly::PANIC_EXIT_STATUS),
                    std::string("panicked at '") + c.message + "'")
            << c.message;
    }
}

TEST_F(DrawTest, ShrunkRecordsAreRewrittenIntoTheOldStore) {
    auto buffer = ovra::VertexBuffer<Corner>::new_dynamic(fake.ovra, corners(100));
    EXPECT_EQ(gl.calls_named("buffer_data"), std::vector<std::string>{"buffer_data(34962, 800, null, 35048)"});
    EXPECT_EQ(gl.uploads.back().size(), 800u);
    buffer.records_mut().resize(10);
    gl.calls.clear();
    draw(ovra::draw_mode::Points{}, buffer);
    EXPECT_TRUE(gl.calls_named("buffer_data").empty());
    EXPECT_EQ(gl.calls_named("buffer_sub_data"), std::vector<std::string>{"buffer_sub_data(34962, 0, 80, data)"});
    EXPECT_EQ(buffer.raw_buffer().store_size(), 800u);
    EXPECT_FALSE(buffer.changed());

    // A clean buffer is not uploaded again.
    gl.calls.clear();
    draw(ovra::draw_mode::Points{}, buffer);
    EXPECT_TRUE(gl.calls_named("buffer_sub_data").empty());
}

TEST_F(DrawTest, BufferWithoutCapacityGetsItsStoreAtTheFirstDrawAfterGrowing) {
    auto buffer = ovra::VertexBuffer<Corner>::new_dynamic(fake.ovra, {});
    EXPECT_EQ(buffer.raw_buffer().store_size(), 0u);
    EXPECT_TRUE(gl.calls_named("buffer_data").empty());
    EXPECT_TRUE(gl.calls_named("buffer_sub_data").empty());

    buffer.records_mut().push_back({{3, 4}});
    std::size_t capacity = buffer.records().capacity();
    gl.calls.clear();
    draw(ovra::draw_mode::Points{}, buffer);
    EXPECT_EQ(gl.calls_named("buffer_data"),
              std::vector<std::string>{"buffer_data(34962, " + std::to_string(capacity * 8) + ", null, 35048)"});
    EXPECT_EQ(gl.calls_named("buffer_sub_data"), std::vector<std::string>{"buffer_sub_data(34962, 0, 8, data)"});
    EXPECT_EQ(gl.uploads.back(), (std::vector<std::uint8_t>{0, 0, 0x40, 0x40, 0, 0, 0x80, 0x40}));
}

TEST_F(DrawTest, DrawParametersApplyInOrder) {
    struct Case {
        ovra::DrawParameters parameters;
        std::vector<std::string> calls;
    };
    ovra::DrawParameters all;
    all.viewport = kimbly::AabbUsize{10, 110, 20, 70};
    all.depth_func = ovra::DepthFunc::Less;
    all.blend_mode = ovra::BlendMode::Alpha;
    all.cull_face = ovra::CullFace::Back;
    all.write_depth = false;
    const Case cases[] = {
        {{}, {"depth_func(519)", "disable(3042)", "disable(2884)", "viewport(0, 0, 640, 480)", "depth_mask(1)"}},
        {all,
         {"depth_func(513)", "enable(3042)", "blend_func(770, 771)", "enable(2884)", "cull_face(1029)",
          "viewport(10, 20, 100, 50)", "depth_mask(0)"}},
    };
    for (const Case& c : cases) {
        gl.calls.clear();
        c.parameters.apply(*fake.ovra, {640, 480});
        EXPECT_EQ(gl.calls, c.calls);
    }
}

TEST_F(DrawTest, ClearJoinsTheBitsOfWhatItIsGiven) {
    auto texture = ovra::Texture2d::new_uninitialized(fake.ovra, {4, 4});
    ovra::Framebuffer target(fake.ovra, texture);
    struct Case {
        std::optional<kimbly::ColorF32> color;
        std::optional<float> depth;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {{}, {}, {"bind_framebuffer(36160, 4)", "clear(0)"}},
        {kimbly::ColorF32{0, 0.5f, 1, 1},
         {},
         {"bind_framebuffer(36160, 4)", "clear_color(0, 0.5, 1, 1)", "color_mask(1, 1, 1, 1)", "clear(16384)"}},
        {kimbly::ColorF32{0, 0, 0, 0},
         1.0f,
         {"bind_framebuffer(36160, 4)", "clear_color(0, 0, 0, 0)", "color_mask(1, 1, 1, 1)", "clear_depth(1)",
          "depth_mask(1)", "clear(16640)"}},
    };
    for (const Case& c : cases) {
        gl.calls.clear();
        ovra::draw::clear(target, c.color, c.depth);
        EXPECT_EQ(gl.calls, c.calls);
    }
}

}  // namespace
