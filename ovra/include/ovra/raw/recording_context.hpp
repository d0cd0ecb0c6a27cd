#pragma once
// A raw layer without a driver, for tests without a display. Each call is
// written down as one line of text, "name(arg, arg, ...)" with the arguments
// as GL would receive them (absent handles as 0, booleans as 0 or 1,
// pointers as their byte offset or as "data"/"null"), and the bytes of every
// texture and buffer upload are kept in order. What GL would answer comes
// from the public fields, which a test sets before it runs the code.
#include <cstdint>
#include <string>
#include <vector>

#include "ovra/raw/context.hpp"

namespace ovra_raw {

class RecordingContext final : public Context {
public:
    // An attribute or uniform that every linked program reports, with the
    // location GL would give its name.
    struct Active {
        ActiveInfo info;
        std::int32_t location = 0;
    };

    std::vector<std::string> calls;
    // Bytes of tex_image_2d, tex_sub_image_2d, buffer_data and
    // buffer_sub_data calls that passed data, in call order.
    std::vector<std::vector<std::uint8_t>> uploads;

    // Answers.
    bool hand_out_objects = true;     // false: every create_* gives no handle
    bool compile_succeeds = true;
    bool link_succeeds = true;
    std::string shader_info_log;      // raw bytes, as GL fills the buffer
    std::string program_info_log;
    std::vector<Enum> errors;         // get_error answers these in order, then 0
    Enum framebuffer_status = 36053;  // GL_FRAMEBUFFER_COMPLETE
    std::string version = "fake GL";
    std::vector<Active> attributes;
    std::vector<Active> uniforms;

    // The calls whose name is `name`, in order.
    std::vector<std::string> calls_named(std::string_view name) const;
    // The position of the first call equal to `call` at or after `from`, or
    // calls.size() when there is none.
    std::size_t find(std::string_view call, std::size_t from = 0) const;

    void bind_buffer(Enum target, Handle buffer) override;
    std::optional<Handle> create_buffer() override;
    void delete_buffer(Handle buffer) override;
    void buffer_data(Enum target, std::int64_t size, const void* data, Enum usage) override;
    void buffer_sub_data(Enum target, std::int64_t offset, std::int64_t size, const void* data) override;

    void clear(std::uint32_t mask) override;
    void draw_arrays(Enum mode, std::int32_t first, std::int32_t count) override;
    void draw_arrays_instanced(Enum mode, std::int32_t first, std::int32_t count,
                               std::int32_t instance_count) override;
    void blit_framebuffer(std::int32_t source_x0, std::int32_t source_y0, std::int32_t source_x1,
                          std::int32_t source_y1, std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1,
                          std::uint32_t mask, Enum filter) override;

    void bind_framebuffer(Enum target, std::optional<Handle> framebuffer) override;
    Enum check_framebuffer_status(Enum target) override;
    std::optional<Handle> create_framebuffer() override;
    void delete_framebuffer(Handle framebuffer) override;
    void framebuffer_texture_2d(Enum target, Enum attachment, Enum texture_target, std::optional<Handle> texture,
                                std::int32_t level) override;

    void attach_shader(Handle program, Handle shader) override;
    void compile_shader(Handle shader) override;
    std::optional<Handle> create_program() override;
    std::optional<Handle> create_shader(Enum type) override;
    void delete_program(Handle program) override;
    void delete_shader(Handle shader) override;
    void detach_shader(Handle program, Handle shader) override;
    void link_program(Handle program) override;
    void use_program(Handle program) override;
    void shader_source(Handle shader, std::string_view source) override;
    bool get_program_parameter_bool(Handle program, Enum pname) override;
    bool get_shader_parameter_bool(Handle shader, Enum pname) override;
    std::int32_t get_program_parameter_int(Handle program, Enum pname) override;
    std::string get_program_info_log(Handle program) override;
    std::string get_shader_info_log(Handle shader) override;

    void blend_func(Enum source, Enum destination) override;
    void clear_color(float r, float g, float b, float a) override;
    void clear_depth(float depth) override;
    void color_mask(bool r, bool g, bool b, bool a) override;
    void cull_face(Enum mode) override;
    void depth_func(Enum func) override;
    void depth_mask(bool flag) override;
    void disable(Enum capability) override;
    void enable(Enum capability) override;
    Enum get_error() override;
    void line_width(float width) override;
    void pixel_store(Enum pname, std::int32_t value) override;
    std::string get_version_string() override;

    void active_texture(Enum unit) override;
    void bind_texture(Enum target, Handle texture) override;
    std::optional<Handle> create_texture() override;
    void delete_texture(Handle texture) override;
    void generate_mipmap(Enum target) override;
    void tex_parameteri(Enum target, Enum pname, std::int32_t value) override;
    void tex_image_2d(Enum target, std::int32_t level, std::int32_t internal_format, std::int32_t width,
                      std::int32_t height, std::int32_t border, Enum format, Enum type, const void* pixels) override;
    void tex_sub_image_2d(Enum target, std::int32_t level, std::int32_t x, std::int32_t y, std::int32_t width,
                          std::int32_t height, Enum format, Enum type, const void* pixels) override;

    void enable_vertex_attrib_array(Handle location) override;
    void disable_vertex_attrib_array(Handle location) override;
    ActiveInfo get_active_attrib(Handle program, Handle index) override;
    ActiveInfo get_active_uniform(Handle program, Handle index) override;
    std::int32_t get_attrib_location(Handle program, std::string_view name) override;
    std::optional<std::int32_t> get_uniform_location(Handle program, std::string_view name) override;
    void uniform_1i(std::int32_t location, std::int32_t x) override;
    void uniform_2i(std::int32_t location, std::int32_t x, std::int32_t y) override;
    void uniform_2f(std::int32_t location, float x, float y) override;
    void uniform_4f(std::int32_t location, float x, float y, float z, float w) override;
    void uniform_matrix4fv(std::int32_t location, bool transpose, const float* values) override;
    void vertex_attrib_divisor(Handle location, Handle divisor) override;
    void vertex_attrib_pointer(Handle location, std::int32_t components, Enum type, bool normalized,
                               std::int32_t stride, std::int64_t offset) override;

    void bind_vertex_array(Handle array) override;
    std::optional<Handle> create_vertex_array() override;
    void delete_vertex_array(Handle array) override;

    void viewport(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) override;

private:
    template <class... Args>
    void record(std::string_view name, const Args&... args);
    // Records "<call> -> <handle>" and gives the next handle unless told not to.
    std::optional<Handle> hand_out(std::string_view call);
    void keep_upload(const void* data, std::int64_t size);

    Handle next_handle_ = 1;
    std::size_t next_error_ = 0;
};

}  // namespace ovra_raw
