#pragma once
// Compiled shader stages. Programs (program.hpp) link them; callers drop them
// after linking.
#include <stdexcept>
#include <string>
#include <string_view>

#include "ovra/gl_object.hpp"

namespace ovra {

enum class ShaderType : ovra_raw::Enum {
    Vertex = 35633,    // GL_VERTEX_SHADER
    Fragment = 35632,  // GL_FRAGMENT_SHADER
};

// A failed compile, with the driver's log. what() is the display form,
// "Shader compilation failed:\n" followed by the log.
class ShaderCompilationError : public std::runtime_error {
public:
    explicit ShaderCompilationError(std::string log);
    const std::string& log() const { return log_; }

private:
    std::string log_;
};

class Shader {
public:
    // Compiles `source`; a failed compile throws ShaderCompilationError and
    // leaves no GL shader behind.
    Shader(OvraHandle context, ShaderType type, std::string_view source);

    ovra_raw::Handle handle() const { return shader_.handle(); }

private:
    GlObject<&ovra_raw::Context::delete_shader> shader_;
};

}  // namespace ovra
