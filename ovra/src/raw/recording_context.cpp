#include "ovra/raw/recording_context.hpp"

#include <fmt/format.h>

#include <cstring>

namespace ovra_raw {
namespace {

std::string arg_text(bool value) { return value ? "1" : "0"; }
std::string arg_text(float value) { return fmt::format("{}", value); }
std::string arg_text(std::optional<Handle> value) { return fmt::format("{}", value.value_or(0)); }
std::string arg_text(std::string_view value) { return fmt::format("{:?}", value); }
std::string arg_text(const void* data) { return data ? "data" : "null"; }
template <std::integral I>
std::string arg_text(I value) {
    return fmt::format("{}", value);
}

// The bytes of a texture upload: four per pixel.
std::int64_t rgba_bytes(std::int32_t width, std::int32_t height) {
    return std::int64_t{width} * std::int64_t{height} * 4;
}

}  // namespace

template <class... Args>
void RecordingContext::record(std::string_view name, const Args&... args) {
    std::string line(name);
    line += '(';
    bool first = true;
    ((line += (first ? "" : ", ") + arg_text(args), first = false), ...);
    line += ')';
    calls.push_back(std::move(line));
}

std::optional<Handle> RecordingContext::hand_out(std::string_view call) {
    std::optional<Handle> handle;
    if (hand_out_objects) handle = next_handle_++;
    calls.push_back(fmt::format("{} -> {}", call, handle.value_or(0)));
    return handle;
}

void RecordingContext::keep_upload(const void* data, std::int64_t size) {
    if (!data) return;
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    uploads.emplace_back(bytes, bytes + size);
}

std::vector<std::string> RecordingContext::calls_named(std::string_view name) const {
    std::vector<std::string> found;
    for (const std::string& call : calls) {
        if (call.size() > name.size() && call.starts_with(name) && call[name.size()] == '(') found.push_back(call);
    }
    return found;
}

std::size_t RecordingContext::find(std::string_view call, std::size_t from) const {
    for (std::size_t i = from; i < calls.size(); ++i) {
        if (calls[i] == call) return i;
    }
    return calls.size();
}

void RecordingContext::bind_buffer(Enum target, Handle buffer) { record("bind_buffer", target, buffer); }
std::optional<Handle> RecordingContext::create_buffer() { return hand_out("create_buffer()"); }
void RecordingContext::delete_buffer(Handle buffer) { record("delete_buffer", buffer); }
void RecordingContext::buffer_data(Enum target, std::int64_t size, const void* data, Enum usage) {
    record("buffer_data", target, size, data, usage);
    keep_upload(data, size);
}
void RecordingContext::buffer_sub_data(Enum target, std::int64_t offset, std::int64_t size, const void* data) {
    record("buffer_sub_data", target, offset, size, data);
    keep_upload(data, size);
}

void RecordingContext::clear(std::uint32_t mask) { record("clear", mask); }
void RecordingContext::draw_arrays(Enum mode, std::int32_t first, std::int32_t count) {
    record("draw_arrays", mode, first, count);
}
void RecordingContext::draw_arrays_instanced(Enum mode, std::int32_t first, std::int32_t count,
                                             std::int32_t instance_count) {
    record("draw_arrays_instanced", mode, first, count, instance_count);
}
void RecordingContext::blit_framebuffer(std::int32_t source_x0, std::int32_t source_y0, std::int32_t source_x1,
                                        std::int32_t source_y1, std::int32_t x0, std::int32_t y0, std::int32_t x1,
                                        std::int32_t y1, std::uint32_t mask, Enum filter) {
    record("blit_framebuffer", source_x0, source_y0, source_x1, source_y1, x0, y0, x1, y1, mask, filter);
}

void RecordingContext::bind_framebuffer(Enum target, std::optional<Handle> framebuffer) {
    record("bind_framebuffer", target, framebuffer);
}
Enum RecordingContext::check_framebuffer_status(Enum target) {
    record("check_framebuffer_status", target);
    return framebuffer_status;
}
std::optional<Handle> RecordingContext::create_framebuffer() { return hand_out("create_framebuffer()"); }
void RecordingContext::delete_framebuffer(Handle framebuffer) { record("delete_framebuffer", framebuffer); }
void RecordingContext::framebuffer_texture_2d(Enum target, Enum attachment, Enum texture_target,
                                              std::optional<Handle> texture, std::int32_t level) {
    record("framebuffer_texture_2d", target, attachment, texture_target, texture, level);
}

void RecordingContext::attach_shader(Handle program, Handle shader) { record("attach_shader", program, shader); }
void RecordingContext::compile_shader(Handle shader) { record("compile_shader", shader); }
std::optional<Handle> RecordingContext::create_program() { return hand_out("create_program()"); }
std::optional<Handle> RecordingContext::create_shader(Enum type) {
    return hand_out(fmt::format("create_shader({})", type));
}
void RecordingContext::delete_program(Handle program) { record("delete_program", program); }
void RecordingContext::delete_shader(Handle shader) { record("delete_shader", shader); }
void RecordingContext::detach_shader(Handle program, Handle shader) { record("detach_shader", program, shader); }
void RecordingContext::link_program(Handle program) { record("link_program", program); }
void RecordingContext::use_program(Handle program) { record("use_program", program); }
void RecordingContext::shader_source(Handle shader, std::string_view source) {
    record("shader_source", shader, source);
}
bool RecordingContext::get_program_parameter_bool(Handle program, Enum pname) {
    record("get_program_parameter_bool", program, pname);
    return link_succeeds;
}
bool RecordingContext::get_shader_parameter_bool(Handle shader, Enum pname) {
    record("get_shader_parameter_bool", shader, pname);
    return compile_succeeds;
}
std::int32_t RecordingContext::get_program_parameter_int(Handle program, Enum pname) {
    record("get_program_parameter_int", program, pname);
    constexpr Enum ACTIVE_ATTRIBUTES = 35721;
    constexpr Enum ACTIVE_UNIFORMS = 35718;
    if (pname == ACTIVE_ATTRIBUTES) return static_cast<std::int32_t>(attributes.size());
    if (pname == ACTIVE_UNIFORMS) return static_cast<std::int32_t>(uniforms.size());
    return 0;
}
std::string RecordingContext::get_program_info_log(Handle program) {
    record("get_program_info_log", program);
    return program_info_log;
}
std::string RecordingContext::get_shader_info_log(Handle shader) {
    record("get_shader_info_log", shader);
    return shader_info_log;
}

void RecordingContext::blend_func(Enum source, Enum destination) { record("blend_func", source, destination); }
void RecordingContext::clear_color(float r, float g, float b, float a) { record("clear_color", r, g, b, a); }
void RecordingContext::clear_depth(float depth) { record("clear_depth", depth); }
void RecordingContext::color_mask(bool r, bool g, bool b, bool a) { record("color_mask", r, g, b, a); }
void RecordingContext::cull_face(Enum mode) { record("cull_face", mode); }
void RecordingContext::depth_func(Enum func) { record("depth_func", func); }
void RecordingContext::depth_mask(bool flag) { record("depth_mask", flag); }
void RecordingContext::disable(Enum capability) { record("disable", capability); }
void RecordingContext::enable(Enum capability) { record("enable", capability); }
Enum RecordingContext::get_error() {
    record("get_error");
    return next_error_ < errors.size() ? errors[next_error_++] : 0;
}
void RecordingContext::line_width(float width) { record("line_width", width); }
void RecordingContext::pixel_store(Enum pname, std::int32_t value) { record("pixel_store", pname, value); }
std::string RecordingContext::get_version_string() {
    record("get_version_string");
    return version;
}

void RecordingContext::active_texture(Enum unit) { record("active_texture", unit); }
void RecordingContext::bind_texture(Enum target, Handle texture) { record("bind_texture", target, texture); }
std::optional<Handle> RecordingContext::create_texture() { return hand_out("create_texture()"); }
void RecordingContext::delete_texture(Handle texture) { record("delete_texture", texture); }
void RecordingContext::generate_mipmap(Enum target) { record("generate_mipmap", target); }
void RecordingContext::tex_parameteri(Enum target, Enum pname, std::int32_t value) {
    record("tex_parameteri", target, pname, value);
}
void RecordingContext::tex_image_2d(Enum target, std::int32_t level, std::int32_t internal_format,
                                    std::int32_t width, std::int32_t height, std::int32_t border, Enum format,
                                    Enum type, const void* pixels) {
    record("tex_image_2d", target, level, internal_format, width, height, border, format, type, pixels);
    keep_upload(pixels, rgba_bytes(width, height));
}
void RecordingContext::tex_sub_image_2d(Enum target, std::int32_t level, std::int32_t x, std::int32_t y,
                                        std::int32_t width, std::int32_t height, Enum format, Enum type,
                                        const void* pixels) {
    record("tex_sub_image_2d", target, level, x, y, width, height, format, type, pixels);
    keep_upload(pixels, rgba_bytes(width, height));
}

void RecordingContext::enable_vertex_attrib_array(Handle location) {
    record("enable_vertex_attrib_array", location);
}
void RecordingContext::disable_vertex_attrib_array(Handle location) {
    record("disable_vertex_attrib_array", location);
}
ActiveInfo RecordingContext::get_active_attrib(Handle program, Handle index) {
    record("get_active_attrib", program, index);
    return attributes.at(index).info;
}
ActiveInfo RecordingContext::get_active_uniform(Handle program, Handle index) {
    record("get_active_uniform", program, index);
    return uniforms.at(index).info;
}
std::int32_t RecordingContext::get_attrib_location(Handle program, std::string_view name) {
    record("get_attrib_location", program, name);
    for (const Active& active : attributes) {
        if (active.info.name == name) return active.location;
    }
    return -1;
}
std::optional<std::int32_t> RecordingContext::get_uniform_location(Handle program, std::string_view name) {
    record("get_uniform_location", program, name);
    for (const Active& active : uniforms) {
        if (active.info.name == name && active.location >= 0) return active.location;
    }
    return std::nullopt;
}
void RecordingContext::uniform_1i(std::int32_t location, std::int32_t x) { record("uniform_1i", location, x); }
void RecordingContext::uniform_2i(std::int32_t location, std::int32_t x, std::int32_t y) {
    record("uniform_2i", location, x, y);
}
void RecordingContext::uniform_2f(std::int32_t location, float x, float y) { record("uniform_2f", location, x, y); }
void RecordingContext::uniform_4f(std::int32_t location, float x, float y, float z, float w) {
    record("uniform_4f", location, x, y, z, w);
}
void RecordingContext::uniform_matrix4fv(std::int32_t location, bool transpose, const float* values) {
    std::string elements;
    for (int i = 0; i < 16; ++i) {
        if (i) elements += ' ';
        elements += arg_text(values[i]);
    }
    calls.push_back(fmt::format("uniform_matrix4fv({}, {}, [{}])", location, arg_text(transpose), elements));
}
void RecordingContext::vertex_attrib_divisor(Handle location, Handle divisor) {
    record("vertex_attrib_divisor", location, divisor);
}
void RecordingContext::vertex_attrib_pointer(Handle location, std::int32_t components, Enum type, bool normalized,
                                             std::int32_t stride, std::int64_t offset) {
    record("vertex_attrib_pointer", location, components, type, normalized, stride, offset);
}

void RecordingContext::bind_vertex_array(Handle array) { record("bind_vertex_array", array); }
std::optional<Handle> RecordingContext::create_vertex_array() { return hand_out("create_vertex_array()"); }
void RecordingContext::delete_vertex_array(Handle array) { record("delete_vertex_array", array); }

void RecordingContext::viewport(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
    record("viewport", x, y, width, height);
}

}  // namespace ovra_raw
