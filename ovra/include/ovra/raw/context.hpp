#pragma once
// The raw call layer: every GL call the wrapper makes is one operation here,
// with its arguments passed through unchanged. Everything above it talks to
// GL only through this interface, so the wrapper runs against the real
// driver (EpoxyContext) or against a recording fake (RecordingContext) in
// tests without a display.
//
// GL types are spelled as fixed-width integers so that no GL header leaks
// into the wrapper's users: enums, bitfields and object names are 32-bit
// unsigned, ints and sizes 32-bit signed, byte sizes and offsets 64-bit.
// Operations that create an object return no handle when GL hands out 0.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ovra_raw {

using Enum = std::uint32_t;
using Handle = std::uint32_t;

// One active attribute or uniform as GL reports it. The name holds the bytes
// GL wrote, cut to the length GL reported; checking them is the caller's.
struct ActiveInfo {
    std::string name;
    std::int32_t size = 0;
    Enum type = 0;
    bool operator==(const ActiveInfo&) const = default;
};

class Context {
public:
    virtual ~Context() = default;

    // buffer
    virtual void bind_buffer(Enum target, Handle buffer) = 0;
    virtual std::optional<Handle> create_buffer() = 0;
    virtual void delete_buffer(Handle buffer) = 0;
    // `data` may be null: the store is allocated and left undefined.
    virtual void buffer_data(Enum target, std::int64_t size, const void* data, Enum usage) = 0;
    virtual void buffer_sub_data(Enum target, std::int64_t offset, std::int64_t size, const void* data) = 0;

    // draw
    virtual void clear(std::uint32_t mask) = 0;
    virtual void draw_arrays(Enum mode, std::int32_t first, std::int32_t count) = 0;
    virtual void draw_arrays_instanced(Enum mode, std::int32_t first, std::int32_t count,
                                       std::int32_t instance_count) = 0;
    // glBlitFramebuffer: from the framebuffer bound to GL_READ_FRAMEBUFFER to
    // the one bound to GL_DRAW_FRAMEBUFFER.
    virtual void blit_framebuffer(std::int32_t source_x0, std::int32_t source_y0, std::int32_t source_x1,
                                  std::int32_t source_y1, std::int32_t x0, std::int32_t y0, std::int32_t x1,
                                  std::int32_t y1, std::uint32_t mask, Enum filter) = 0;

    // framebuffer; an absent framebuffer or texture passes 0
    virtual void bind_framebuffer(Enum target, std::optional<Handle> framebuffer) = 0;
    virtual Enum check_framebuffer_status(Enum target) = 0;
    virtual std::optional<Handle> create_framebuffer() = 0;
    virtual void delete_framebuffer(Handle framebuffer) = 0;
    virtual void framebuffer_texture_2d(Enum target, Enum attachment, Enum texture_target,
                                        std::optional<Handle> texture, std::int32_t level) = 0;

    // program_shader
    virtual void attach_shader(Handle program, Handle shader) = 0;
    virtual void compile_shader(Handle shader) = 0;
    virtual std::optional<Handle> create_program() = 0;
    virtual std::optional<Handle> create_shader(Enum type) = 0;
    virtual void delete_program(Handle program) = 0;
    virtual void delete_shader(Handle shader) = 0;
    virtual void detach_shader(Handle program, Handle shader) = 0;
    virtual void link_program(Handle program) = 0;
    virtual void use_program(Handle program) = 0;
    // One string with its byte length: no terminator needed.
    virtual void shader_source(Handle shader, std::string_view source) = 0;
    // True when the low byte of the parameter is not 0.
    virtual bool get_program_parameter_bool(Handle program, Enum pname) = 0;
    virtual bool get_shader_parameter_bool(Handle shader, Enum pname) = 0;
    virtual std::int32_t get_program_parameter_int(Handle program, Enum pname) = 0;
    // The whole buffer of GL_INFO_LOG_LENGTH bytes as GL filled it, including
    // any terminator GL counted in that length.
    virtual std::string get_program_info_log(Handle program) = 0;
    virtual std::string get_shader_info_log(Handle shader) = 0;

    // state
    virtual void blend_func(Enum source, Enum destination) = 0;
    virtual void clear_color(float r, float g, float b, float a) = 0;
    virtual void clear_depth(float depth) = 0;
    virtual void color_mask(bool r, bool g, bool b, bool a) = 0;
    virtual void cull_face(Enum mode) = 0;
    virtual void depth_func(Enum func) = 0;
    virtual void depth_mask(bool flag) = 0;
    virtual void disable(Enum capability) = 0;
    virtual void enable(Enum capability) = 0;
    virtual Enum get_error() = 0;
    virtual void line_width(float width) = 0;
    virtual void pixel_store(Enum pname, std::int32_t value) = 0;
    // The bytes of glGetString(GL_VERSION); empty when GL gives none.
    virtual std::string get_version_string() = 0;

    // texture
    // The unit constant goes through unchanged: callers add GL_TEXTURE0.
    virtual void active_texture(Enum unit) = 0;
    virtual void bind_texture(Enum target, Handle texture) = 0;
    virtual std::optional<Handle> create_texture() = 0;
    virtual void delete_texture(Handle texture) = 0;
    virtual void generate_mipmap(Enum target) = 0;
    virtual void tex_parameteri(Enum target, Enum pname, std::int32_t value) = 0;
    // `pixels` holds width × height RGBA bytes, or is null for undefined
    // contents; format and type are always GL_RGBA and GL_UNSIGNED_BYTE.
    virtual void tex_image_2d(Enum target, std::int32_t level, std::int32_t internal_format, std::int32_t width,
                              std::int32_t height, std::int32_t border, Enum format, Enum type,
                              const void* pixels) = 0;
    virtual void tex_sub_image_2d(Enum target, std::int32_t level, std::int32_t x, std::int32_t y,
                                  std::int32_t width, std::int32_t height, Enum format, Enum type,
                                  const void* pixels) = 0;

    // uniform_attribute
    virtual void enable_vertex_attrib_array(Handle location) = 0;
    virtual void disable_vertex_attrib_array(Handle location) = 0;
    virtual ActiveInfo get_active_attrib(Handle program, Handle index) = 0;
    virtual ActiveInfo get_active_uniform(Handle program, Handle index) = 0;
    // Names are passed to GL as zero-terminated copies.
    virtual std::int32_t get_attrib_location(Handle program, std::string_view name) = 0;
    // Absent when GL answers a negative location.
    virtual std::optional<std::int32_t> get_uniform_location(Handle program, std::string_view name) = 0;
    virtual void uniform_1i(std::int32_t location, std::int32_t x) = 0;
    virtual void uniform_2i(std::int32_t location, std::int32_t x, std::int32_t y) = 0;
    virtual void uniform_2f(std::int32_t location, float x, float y) = 0;
    virtual void uniform_4f(std::int32_t location, float x, float y, float z, float w) = 0;
    // Sixteen floats, column by column unless `transpose`.
    virtual void uniform_matrix4fv(std::int32_t location, bool transpose, const float* values) = 0;
    virtual void vertex_attrib_divisor(Handle location, Handle divisor) = 0;
    virtual void vertex_attrib_pointer(Handle location, std::int32_t components, Enum type, bool normalized,
                                       std::int32_t stride, std::int64_t offset) = 0;

    // vao
    virtual void bind_vertex_array(Handle array) = 0;
    virtual std::optional<Handle> create_vertex_array() = 0;
    virtual void delete_vertex_array(Handle array) = 0;

    // view
    virtual void viewport(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) = 0;
};

}  // namespace ovra_raw
