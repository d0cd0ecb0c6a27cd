#include "ovra/program.hpp"

#include <kimbly/panic.hpp>

#include "ovra/gl_constants.hpp"
#include "text.hpp"

namespace ovra {

namespace {

// An active name as text GL can look up: UTF-8 and without a zero byte, as
// it is handed on as a zero-terminated copy.
ActiveInfo checked(ActiveInfo info) {
    info.name = detail::utf8_or_stop(std::move(info.name), "active name is not UTF-8");
    if (info.name.find('\0') != std::string::npos) kimbly::panic("active name holds a zero byte");
    return info;
}

// Every active attribute or uniform of `program` by name, with the location
// `locate` finds for it.
template <class Info, class Locate>
NameMap<Info> read_active(ovra_raw::Context& raw, ovra_raw::Handle program, ovra_raw::Enum count_name,
                          ActiveInfo (ovra_raw::Context::*get_active)(ovra_raw::Handle, ovra_raw::Handle),
                          Locate locate) {
    NameMap<Info> found;
    std::int32_t count = raw.get_program_parameter_int(program, count_name);
    for (std::int32_t index = 0; index < count; ++index) {
        ActiveInfo info = checked((raw.*get_active)(program, static_cast<ovra_raw::Handle>(index)));
        std::int32_t location = locate(info.name);
        std::string name = info.name;
        found.insert_or_assign(std::move(name), Info{location, std::move(info)});
    }
    return found;
}

}  // namespace

Program::Program(OvraHandle context, std::span<const Shader* const> shaders)
    : program_(context, handed_out(context->raw().create_program(), "program")) {
    ovra_raw::Context& raw = program_.raw();
    for (const Shader* shader : shaders) raw.attach_shader(handle(), shader->handle());
    raw.link_program(handle());
    for (const Shader* shader : shaders) raw.detach_shader(handle(), shader->handle());
    if (!raw.get_program_parameter_bool(handle(), gl::LINK_STATUS)) {
        // Throwing from the constructor drops program_, which deletes the GL program.
        throw ProgramLinkError(detail::info_log_text(raw.get_program_info_log(handle())));
    }
    read_attributes();
    read_uniforms();
}

void Program::bind() const { program_.raw().use_program(handle()); }

void Program::read_attributes() {
    ovra_raw::Context& raw = program_.raw();
    attributes_ = read_active<AttributeInfo>(raw, handle(), gl::ACTIVE_ATTRIBUTES, &ovra_raw::Context::get_active_attrib,
                                             [&](const std::string& name) {
                                                 std::int32_t location = raw.get_attrib_location(handle(), name);
                                                 if (location < 0) kimbly::panic("assertion failed: location >= 0");
                                                 return location;
                                             });
}

void Program::read_uniforms() {
    ovra_raw::Context& raw = program_.raw();
    uniforms_ = read_active<UniformInfo>(raw, handle(), gl::ACTIVE_UNIFORMS, &ovra_raw::Context::get_active_uniform,
                                         [&](const std::string& name) {
                                             std::optional<std::int32_t> location =
                                                 raw.get_uniform_location(handle(), name);
                                             if (!location) kimbly::panic("active uniform " + name + " has no location");
                                             return *location;
                                         });
}

}  // namespace ovra
