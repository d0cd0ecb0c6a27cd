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

// A failure that the driver explains in a log. what() is the display form,
// the title, ":\n" and the log.
class DriverLogError : public std::runtime_error {
public:
    DriverLogError(std::string_view title, std::string log);
    const std::string& log() const { return log_; }

private:
    std::string log_;
};

// A failed compile: "Shader compilation failed:\n" and the log.
class ShaderCompilationError : public DriverLogError {
public:
    explicit ShaderCompilationError(std::string log) : DriverLogError("Shader compilation failed", std::move(log)) {}
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
