#pragma once
// Turns one GLSL text holding both stages (between "#ifdef VERTEX_SHADER" /
// "#ifdef FRAGMENT_SHADER" and "#endif") into a linked program: a fixed
// header and the prelude go in front, and `#include <name>` lines are
// expanded from a table of named texts. Main thread only.
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

#include <ovra/context.hpp>
#include <ovra/program.hpp>
#include <ovra/shader.hpp>

namespace vindle::shader_lib {

// Includes nest at most this deep; deeper means the table holds a cycle.
inline constexpr int MAX_INCLUDE_DEPTH = 32;

// An include that cannot be expanded: a name missing from the table, or
// nesting past MAX_INCLUDE_DEPTH. Compile and link failures reach callers
// as ovra's ShaderCompilationError and ProgramLinkError, unchanged.
class IncludeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ShaderLib {
public:
    // The table starts with one entry, "prelude".
    explicit ShaderLib(ovra::OvraHandle context);

    // Stores copies of both texts, replacing an entry of the same name.
    void add(std::string_view name, std::string_view text);

    // Expands include lines and ends every line with "\n" (CR-LF becomes
    // LF). A malformed include line stops the program; an unknown name or
    // a cycle throws IncludeError.
    std::string preprocess(std::string_view source) const;

    // The complete text of one stage: version, precisions, the stage's
    // define, the prelude, the preprocessed source.
    std::string process(ovra::ShaderType stage, std::string_view source) const;

    // Both stages compiled and linked, vertex first.
    ovra::Program compile(std::string_view source) const;

    ovra::OvraHandle context() const { return context_; }

private:
    void preprocess_into(std::string& out, std::string_view source, int depth) const;

    ovra::OvraHandle context_;
    std::map<std::string, std::string, std::less<>> table_;
};

// compile for the engine's own programs, whose failure is a broken
// invariant: it stops the program with the error's text.
ovra::Program compile_or_stop(const ShaderLib& library, std::string_view source);

}  // namespace vindle::shader_lib
