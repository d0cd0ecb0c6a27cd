#include "vindle/shader_lib.hpp"

#include <fmt/format.h>

#include <kimbly/panic.hpp>

#include "shader_lib_prelude.hpp"

namespace vindle::shader_lib {
namespace {

constexpr std::string_view INCLUDE = "#include";
constexpr std::string_view BLANKS = " \t\n\v\f\r";

std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> result;
    while (true) {
        std::size_t start = line.find_first_not_of(BLANKS);
        if (start == std::string_view::npos) return result;
        line.remove_prefix(start);
        std::size_t end = std::min(line.find_first_of(BLANKS), line.size());
        result.push_back(line.substr(0, end));
        line.remove_prefix(end);
    }
}

// The table name of an include line's path; a malformed line is a fault in
// the program's own shader texts and stops it.
std::string_view included_name(std::string_view line) {
    auto parts = words(line);
    // The first word only has to begin with "#include"; it is not checked.
    if (parts.size() < 2) kimbly::panic("Expected path to include");
    if (parts.size() > 2) kimbly::panic("Unexpected token");
    std::string_view path = parts[1];
    if (!path.starts_with('<') || !path.ends_with('>')) {
        kimbly::panic("include path should be enclosed in angular brackets");
    }
    path.remove_prefix(std::min(path.find_first_not_of('<'), path.size()));
    std::size_t last = path.find_last_not_of('>');
    path = path.substr(0, last == std::string_view::npos ? 0 : last + 1);
    return path;
}

}  // namespace

ShaderLib::ShaderLib(ovra::OvraHandle context) : context_(std::move(context)) { add("prelude", PRELUDE); }

void ShaderLib::add(std::string_view name, std::string_view text) { table_.insert_or_assign(std::string(name), std::string(text)); }

std::string ShaderLib::preprocess(std::string_view source) const {
    std::string out;
    preprocess_into(out, source, 0);
    return out;
}

void ShaderLib::preprocess_into(std::string& out, std::string_view source, int depth) const {
    while (!source.empty()) {
        std::size_t end = source.find('\n');
        std::string_view line = source.substr(0, end);
        source.remove_prefix(end == std::string_view::npos ? source.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);

        if (!line.starts_with(INCLUDE)) {
            out.append(line);
            out.push_back('\n');
            continue;
        }
        std::string_view name = included_name(line);
        auto entry = table_.find(name);
        if (entry == table_.end()) throw IncludeError(fmt::format("{:?} not found in shader library", name));
        // Texts that include each other would otherwise recurse until the
        // stack runs out.
        if (depth >= MAX_INCLUDE_DEPTH) {
            throw IncludeError(fmt::format("{:?} included more than {} levels deep", name, MAX_INCLUDE_DEPTH));
        }
        preprocess_into(out, entry->second, depth + 1);
    }
}

std::string ShaderLib::process(ovra::ShaderType stage, std::string_view source) const {
    std::string out = "#version 100\nprecision highp int;\nprecision highp float;\n";
    out += stage == ovra::ShaderType::Vertex ? "#define VERTEX_SHADER\n" : "#define FRAGMENT_SHADER\n";
    out += preprocess("#include <prelude>");
    out += preprocess(source);
    return out;
}

ovra::Program ShaderLib::compile(std::string_view source) const {
    ovra::Shader vertex(context_, ovra::ShaderType::Vertex, process(ovra::ShaderType::Vertex, source));
    ovra::Shader fragment(context_, ovra::ShaderType::Fragment, process(ovra::ShaderType::Fragment, source));
    return ovra::Program(context_, {&vertex, &fragment});
}

ovra::Program compile_or_stop(const ShaderLib& library, std::string_view source) {
    try {
        return library.compile(source);
    } catch (const std::exception& error) {
        kimbly::panic(error.what());
    }
}

}  // namespace vindle::shader_lib
