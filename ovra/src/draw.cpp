#include "ovra/draw.hpp"

#include <algorithm>

#include <fmt/format.h>
#include <kimbly/panic.hpp>

#include "checks.hpp"
#include "ovra/gl_constants.hpp"

namespace ovra::draw {

namespace {

// The draw's own vertex array object, deleted on every way out of the draw.
class Vao {
public:
    explicit Vao(ovra_raw::Context& raw) : raw_(raw), handle_(handed_out(raw.create_vertex_array(), "vertex array")) {
        raw_.bind_vertex_array(handle_);
    }
    ~Vao() { raw_.delete_vertex_array(handle_); }
    Vao(const Vao&) = delete;
    Vao& operator=(const Vao&) = delete;

private:
    ovra_raw::Context& raw_;
    ovra_raw::Handle handle_;
};

struct ModeRule {
    ovra_raw::Enum gl_mode;
    std::optional<float> line_width;
    bool (*fits)(std::size_t count);
    const char* breach;
};

ModeRule rule_of(const DrawMode& mode) {
    constexpr auto any = [](std::size_t) { return true; };
    constexpr auto even = [](std::size_t n) { return n % 2 == 0; };
    constexpr auto two = [](std::size_t n) { return n >= 2; };
    constexpr auto three = [](std::size_t n) { return n >= 3; };
    constexpr auto thirds = [](std::size_t n) { return n % 3 == 0; };
    constexpr const char* AT_LEAST_3 = "assertion failed: vertex_count >= 3";
    return std::visit(
        [&](const auto& m) -> ModeRule {
            using M = std::decay_t<decltype(m)>;
            if constexpr (std::is_same_v<M, draw_mode::Points>) return {0, {}, any, ""};
            if constexpr (std::is_same_v<M, draw_mode::Lines>)
                return {1, m.line_width, even, "assertion failed: vertex_count % 2 == 0"};
            if constexpr (std::is_same_v<M, draw_mode::LineStrip>)
                return {3, m.line_width, two, "assertion failed: vertex_count >= 2"};
            if constexpr (std::is_same_v<M, draw_mode::LineLoop>) return {2, m.line_width, three, AT_LEAST_3};
            if constexpr (std::is_same_v<M, draw_mode::Triangles>)
                return {4, {}, thirds, "assertion failed: vertex_count % 3 == 0"};
            if constexpr (std::is_same_v<M, draw_mode::TriangleStrip>) return {5, {}, three, AT_LEAST_3};
            if constexpr (std::is_same_v<M, draw_mode::TriangleFan>) return {6, {}, three, AT_LEAST_3};
        },
        mode);
}

// Uploads the buffer if it changed, binds it and points every field the
// program has at its records from the range's start; returns the number of
// records in the range.
std::size_t bind_records(const Program& program, const VertexRange& part, std::uint32_t divisor) {
    VertexBufferBase& buffer = *part.buffer;
    std::size_t count = buffer.record_count();
    auto [start, end] = part.range.value_or(std::pair{std::size_t{0}, count});
    if (start > end || end > count) {
        kimbly::panic(fmt::format("range {}..{} out of range for {} records", start, end, count));
    }
    Ovra& context = program.context();
    ovra_raw::Context& raw = context.raw();
    if (buffer.changed()) {
        buffer.upload();
        context.debug_check();
    }
    buffer.raw_buffer().bind();
    std::size_t stride = buffer.record_size();
    for (const VertexAttribute& attribute : buffer.attributes()) {
        auto found = program.attributes().find(attribute.name);
        if (found == program.attributes().end()) continue;
        auto location = static_cast<ovra_raw::Handle>(found->second.location);
        raw.enable_vertex_attrib_array(location);
        raw.vertex_attrib_pointer(location, attribute.components, gl::FLOAT, false,
                                  detail::gl_int(stride, "record size"),
                                  static_cast<std::int64_t>(start * stride + attribute.offset));
        raw.vertex_attrib_divisor(location, divisor);
    }
    return end - start;
}

}  // namespace

void draw(Framebuffer& framebuffer, const Program& program, DrawMode mode, const VertexData& vertices,
          const Uniforms& uniforms, const DrawParameters& parameters) {
    Ovra& context = framebuffer.context();
    ovra_raw::Context& raw = context.raw();
    context.debug_check();
    framebuffer.fbo().bind();
    parameters.apply(context, framebuffer.size());
    program.bind();
    UNIFORM_TEXTURE_COUNT = 0;
    apply_uniforms(program, uniforms);

    Vao vao(raw);
    std::size_t vertex_count = bind_records(program, vertices.per_vertex, 0);
    std::optional<std::size_t> instance_count;
    if (vertices.per_instance) instance_count = bind_records(program, *vertices.per_instance, 1);
    if (vertex_count == 0) return;

    ModeRule rule = rule_of(mode);
    if (rule.line_width) raw.line_width(*rule.line_width);
    if (!rule.fits(vertex_count)) kimbly::panic(rule.breach);

    std::int32_t count = detail::gl_int(vertex_count, "vertex count");
    if (!instance_count) {
        raw.draw_arrays(rule.gl_mode, 0, count);
    } else if (*instance_count != 0) {
        raw.draw_arrays_instanced(rule.gl_mode, 0, count, detail::gl_int(*instance_count, "instance count"));
    }
    for (const auto& [name, attribute] : program.attributes()) {
        raw.disable_vertex_attrib_array(static_cast<ovra_raw::Handle>(attribute.location));
    }
    context.debug_check();
}

void clear(Framebuffer& framebuffer, std::optional<kimbly::ColorF32> color, std::optional<float> depth) {
    ovra_raw::Context& raw = framebuffer.context().raw();
    framebuffer.fbo().bind();
    std::uint32_t mask = 0;
    if (color) {
        raw.clear_color(color->r, color->g, color->b, color->a);
        raw.color_mask(true, true, true, true);
        mask |= gl::COLOR_BUFFER_BIT;
    }
    if (depth) {
        raw.clear_depth(*depth);
        raw.depth_mask(true);
        mask |= gl::DEPTH_BUFFER_BIT;
    }
    raw.clear(mask);
}

void copy(const Framebuffer& source, Framebuffer& destination) {
    ovra_raw::Context& raw = destination.context().raw();
    const auto width = detail::gl_int(std::min(source.size().x, destination.size().x), "copy width");
    const auto height = detail::gl_int(std::min(source.size().y, destination.size().y), "copy height");
    raw.bind_framebuffer(gl::READ_FRAMEBUFFER, source.fbo().handle());
    raw.bind_framebuffer(gl::DRAW_FRAMEBUFFER, destination.fbo().handle());
    raw.blit_framebuffer(0, 0, width, height, 0, 0, width, height, gl::COLOR_BUFFER_BIT, gl::NEAREST);
    destination.fbo().bind();
}

}  // namespace ovra::draw
