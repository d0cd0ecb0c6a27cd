#include "ovra/shader.hpp"

#include "ovra/gl_constants.hpp"
#include "text.hpp"

namespace ovra {

DriverLogError::DriverLogError(std::string_view title, std::string log)
    : std::runtime_error(std::string(title) + ":\n" + log), log_(std::move(log)) {}

namespace {

ovra_raw::Handle create(Ovra& context, ShaderType type) {
    return handed_out(context.raw().create_shader(static_cast<ovra_raw::Enum>(type)), "shader");
}

}  // namespace

Shader::Shader(OvraHandle context, ShaderType type, std::string_view source)
    : shader_(context, create(*context, type)) {
    ovra_raw::Context& raw = shader_.raw();
    raw.shader_source(handle(), source);
    raw.compile_shader(handle());
    if (!raw.get_shader_parameter_bool(handle(), gl::COMPILE_STATUS)) {
        // Throwing from the constructor drops shader_, which deletes the GL shader.
        throw ShaderCompilationError(detail::info_log_text(raw.get_shader_info_log(handle())));
    }
}

}  // namespace ovra
