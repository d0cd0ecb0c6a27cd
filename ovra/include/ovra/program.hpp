#pragma once
// Linked programs with the active attributes and uniforms GL reports, found
// by name. Names are resolved to locations once, at link time, so a draw
// looks names up in these maps and asks GL nothing.
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

#include "ovra/gl_object.hpp"
#include "ovra/shader.hpp"

namespace ovra {

using ovra_raw::ActiveInfo;

struct AttributeInfo {
    std::int32_t location = 0;  // never negative
    ActiveInfo info;
};

struct UniformInfo {
    std::int32_t location = 0;
    ActiveInfo info;
};

// A failed link: "Program link failed:\n" and the log.
class ProgramLinkError : public DriverLogError {
public:
    explicit ProgramLinkError(std::string log) : DriverLogError("Program link failed", std::move(log)) {}
};

// Lookups by std::string_view compare bytes without building a string.
struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
};
template <class Info>
using NameMap = std::unordered_map<std::string, Info, NameHash, std::equal_to<>>;

class Program {
public:
    // Links the shaders, which are only borrowed. A failed link throws
    // ProgramLinkError and leaves no GL program behind.
    Program(OvraHandle context, std::span<const Shader* const> shaders);
    Program(OvraHandle context, std::initializer_list<const Shader*> shaders)
        : Program(std::move(context), std::span(shaders.begin(), shaders.size())) {}

    // glUseProgram.
    void bind() const;

    const NameMap<AttributeInfo>& attributes() const { return attributes_; }
    const NameMap<UniformInfo>& uniforms() const { return uniforms_; }
    Ovra& context() const { return program_.context(); }
    ovra_raw::Handle handle() const { return program_.handle(); }

private:
    void read_attributes();
    void read_uniforms();

    GlObject<&ovra_raw::Context::delete_program> program_;
    NameMap<AttributeInfo> attributes_;
    NameMap<UniformInfo> uniforms_;
};

}  // namespace ovra
