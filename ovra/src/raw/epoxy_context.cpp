#include "ovra/raw/epoxy_context.hpp"

#include <epoxy/gl.h>

#include <string>
#include <vector>

namespace ovra_raw {
namespace {

std::optional<Handle> created(GLuint handle) {
    if (handle == 0) return std::nullopt;
    return handle;
}

template <class Gen>
std::optional<Handle> generate(Gen gen) {
    GLuint handle = 0;
    gen(1, &handle);
    return created(handle);
}

// The log buffer of GL_INFO_LOG_LENGTH bytes as GL filled it.
template <class GetLength, class GetLog>
std::string info_log(GLuint object, GetLength get_length, GetLog get_log) {
    GLint length = 0;
    get_length(object, GL_INFO_LOG_LENGTH, &length);
    if (length <= 0) return {};
    std::string buffer(static_cast<std::size_t>(length), '\0');
    GLsizei written = 0;
    get_log(object, length, &written, buffer.data());
    return buffer;
}

template <class GetMaxLength, class GetActive>
ActiveInfo active_info(GLuint program, GLuint index, GLenum max_length_name, GetMaxLength get_max_length,
                       GetActive get_active) {
    GLint max_length = 0;
    get_max_length(program, max_length_name, &max_length);
    std::string name(static_cast<std::size_t>(max_length > 0 ? max_length : 0), '\0');
    GLsizei length = 0;
    GLint size = 0;
    GLenum type = 0;
    get_active(program, index, max_length, &length, &size, &type, name.data());
    name.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    return {std::move(name), size, type};
}

const void* offset_pointer(std::int64_t offset) {
    return reinterpret_cast<const void*>(static_cast<std::intptr_t>(offset));
}

class EpoxyContext final : public Context {
public:
    void bind_buffer(Enum target, Handle buffer) override { glBindBuffer(target, buffer); }
    std::optional<Handle> create_buffer() override { return generate(glGenBuffers); }
    void delete_buffer(Handle buffer) override { glDeleteBuffers(1, &buffer); }
    void buffer_data(Enum target, std::int64_t size, const void* data, Enum usage) override {
        glBufferData(target, static_cast<GLsizeiptr>(size), data, usage);
    }
    void buffer_sub_data(Enum target, std::int64_t offset, std::int64_t size, const void* data) override {
        glBufferSubData(target, static_cast<GLintptr>(offset), static_cast<GLsizeiptr>(size), data);
    }

    void clear(std::uint32_t mask) override { glClear(mask); }
    void draw_arrays(Enum mode, std::int32_t first, std::int32_t count) override { glDrawArrays(mode, first, count); }
    void draw_arrays_instanced(Enum mode, std::int32_t first, std::int32_t count,
                               std::int32_t instance_count) override {
        glDrawArraysInstanced(mode, first, count, instance_count);
    }
    void blit_framebuffer(std::int32_t source_x0, std::int32_t source_y0, std::int32_t source_x1,
                          std::int32_t source_y1, std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1,
                          std::uint32_t mask, Enum filter) override {
        glBlitFramebuffer(source_x0, source_y0, source_x1, source_y1, x0, y0, x1, y1, mask, filter);
    }

    void bind_framebuffer(Enum target, std::optional<Handle> framebuffer) override {
        glBindFramebuffer(target, framebuffer.value_or(0));
    }
    Enum check_framebuffer_status(Enum target) override { return glCheckFramebufferStatus(target); }
    std::optional<Handle> create_framebuffer() override { return generate(glGenFramebuffers); }
    void delete_framebuffer(Handle framebuffer) override { glDeleteFramebuffers(1, &framebuffer); }
    void framebuffer_texture_2d(Enum target, Enum attachment, Enum texture_target, std::optional<Handle> texture,
                                std::int32_t level) override {
        glFramebufferTexture2D(target, attachment, texture_target, texture.value_or(0), level);
    }

    void attach_shader(Handle program, Handle shader) override { glAttachShader(program, shader); }
    void compile_shader(Handle shader) override { glCompileShader(shader); }
    std::optional<Handle> create_program() override { return created(glCreateProgram()); }
    std::optional<Handle> create_shader(Enum type) override { return created(glCreateShader(type)); }
    void delete_program(Handle program) override { glDeleteProgram(program); }
    void delete_shader(Handle shader) override { glDeleteShader(shader); }
    void detach_shader(Handle program, Handle shader) override { glDetachShader(program, shader); }
    void link_program(Handle program) override { glLinkProgram(program); }
    void use_program(Handle program) override { glUseProgram(program); }
    void shader_source(Handle shader, std::string_view source) override {
        const GLchar* text = source.data();
        GLint length = static_cast<GLint>(source.size());
        glShaderSource(shader, 1, &text, &length);
    }
    bool get_program_parameter_bool(Handle program, Enum pname) override {
        return (get_program_parameter_int(program, pname) & 0xFF) != 0;
    }
    bool get_shader_parameter_bool(Handle shader, Enum pname) override {
        GLint value = 0;
        glGetShaderiv(shader, pname, &value);
        return (value & 0xFF) != 0;
    }
    std::int32_t get_program_parameter_int(Handle program, Enum pname) override {
        GLint value = 0;
        glGetProgramiv(program, pname, &value);
        return value;
    }
    std::string get_program_info_log(Handle program) override {
        return info_log(program, glGetProgramiv, glGetProgramInfoLog);
    }
    std::string get_shader_info_log(Handle shader) override {
        return info_log(shader, glGetShaderiv, glGetShaderInfoLog);
    }

    void blend_func(Enum source, Enum destination) override { glBlendFunc(source, destination); }
    void clear_color(float r, float g, float b, float a) override { glClearColor(r, g, b, a); }
    void clear_depth(float depth) override { glClearDepth(static_cast<double>(depth)); }
    void color_mask(bool r, bool g, bool b, bool a) override { glColorMask(r, g, b, a); }
    void cull_face(Enum mode) override { glCullFace(mode); }
    void depth_func(Enum func) override { glDepthFunc(func); }
    void depth_mask(bool flag) override { glDepthMask(flag); }
    void disable(Enum capability) override { glDisable(capability); }
    void enable(Enum capability) override { glEnable(capability); }
    Enum get_error() override { return glGetError(); }
    void line_width(float width) override { glLineWidth(width); }
    void pixel_store(Enum pname, std::int32_t value) override { glPixelStorei(pname, value); }
    std::string get_version_string() override {
        const GLubyte* text = glGetString(GL_VERSION);
        return text ? std::string(reinterpret_cast<const char*>(text)) : std::string();
    }

    void active_texture(Enum unit) override { glActiveTexture(unit); }
    void bind_texture(Enum target, Handle texture) override { glBindTexture(target, texture); }
    std::optional<Handle> create_texture() override { return generate(glGenTextures); }
    void delete_texture(Handle texture) override { glDeleteTextures(1, &texture); }
    void generate_mipmap(Enum target) override { glGenerateMipmap(target); }
    void tex_parameteri(Enum target, Enum pname, std::int32_t value) override {
        glTexParameteri(target, pname, value);
    }
    void tex_image_2d(Enum target, std::int32_t level, std::int32_t internal_format, std::int32_t width,
                      std::int32_t height, std::int32_t border, Enum format, Enum type,
                      const void* pixels) override {
        glTexImage2D(target, level, internal_format, width, height, border, format, type, pixels);
    }
    void tex_sub_image_2d(Enum target, std::int32_t level, std::int32_t x, std::int32_t y, std::int32_t width,
                          std::int32_t height, Enum format, Enum type, const void* pixels) override {
        glTexSubImage2D(target, level, x, y, width, height, format, type, pixels);
    }

    void enable_vertex_attrib_array(Handle location) override { glEnableVertexAttribArray(location); }
    void disable_vertex_attrib_array(Handle location) override { glDisableVertexAttribArray(location); }
    ActiveInfo get_active_attrib(Handle program, Handle index) override {
        return active_info(program, index, GL_ACTIVE_ATTRIBUTE_MAX_LENGTH, glGetProgramiv, glGetActiveAttrib);
    }
    ActiveInfo get_active_uniform(Handle program, Handle index) override {
        return active_info(program, index, GL_ACTIVE_UNIFORM_MAX_LENGTH, glGetProgramiv, glGetActiveUniform);
    }
    std::int32_t get_attrib_location(Handle program, std::string_view name) override {
        return glGetAttribLocation(program, std::string(name).c_str());
    }
    std::optional<std::int32_t> get_uniform_location(Handle program, std::string_view name) override {
        GLint location = glGetUniformLocation(program, std::string(name).c_str());
        if (location < 0) return std::nullopt;
        return location;
    }
    void uniform_1i(std::int32_t location, std::int32_t x) override { glUniform1i(location, x); }
    void uniform_2i(std::int32_t location, std::int32_t x, std::int32_t y) override { glUniform2i(location, x, y); }
    void uniform_2f(std::int32_t location, float x, float y) override { glUniform2f(location, x, y); }
    void uniform_4f(std::int32_t location, float x, float y, float z, float w) override {
        glUniform4f(location, x, y, z, w);
    }
    void uniform_matrix4fv(std::int32_t location, bool transpose, const float* values) override {
        glUniformMatrix4fv(location, 1, transpose, values);
    }
    void vertex_attrib_divisor(Handle location, Handle divisor) override { glVertexAttribDivisor(location, divisor); }
    void vertex_attrib_pointer(Handle location, std::int32_t components, Enum type, bool normalized,
                               std::int32_t stride, std::int64_t offset) override {
        glVertexAttribPointer(location, components, type, normalized, stride, offset_pointer(offset));
    }

    void bind_vertex_array(Handle array) override { glBindVertexArray(array); }
    std::optional<Handle> create_vertex_array() override { return generate(glGenVertexArrays); }
    void delete_vertex_array(Handle array) override { glDeleteVertexArrays(1, &array); }

    void viewport(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) override {
        glViewport(x, y, width, height);
    }
};

}  // namespace

std::unique_ptr<Context> make_epoxy_context() { return std::make_unique<EpoxyContext>(); }

}  // namespace ovra_raw
