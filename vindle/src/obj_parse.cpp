#include <charconv>
#include <cstdint>
#include <optional>
#include <system_error>

#include <fmt/format.h>

#include "vindle/obj.hpp"

namespace vindle::obj {

namespace {

constexpr std::string_view WHITESPACE = " \t\v\f\r";

std::vector<std::string_view> split_whitespace(std::string_view text) {
    std::vector<std::string_view> tokens;
    std::size_t at = 0;
    while ((at = text.find_first_not_of(WHITESPACE, at)) != std::string_view::npos) {
        std::size_t end = std::min(text.find_first_of(WHITESPACE, at), text.size());
        tokens.push_back(text.substr(at, end - at));
        at = end;
    }
    return tokens;
}

// A whole token as a number, an optional leading '+' allowed.
template <class N>
std::optional<N> number(std::string_view token) {
    if (token.starts_with('+')) token.remove_prefix(1);
    N value{};
    auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (error != std::errc() || end != token.data() + token.size()) return std::nullopt;
    return value;
}

class Parser {
public:
    void line(std::size_t number, std::string_view text) {
        line_ = number;
        if (text.size() < 2) return;
        std::string_view rest = text.substr(2);
        if (text.starts_with("v ")) {
            auto p = floats<3>(rest, "v");
            positions_.push_back({p[0], p[1], p[2]});
        } else if (text.starts_with("vn ")) {
            auto n = floats<3>(text.substr(3), "vn");
            normals_.push_back({n[0], n[1], n[2]});
        } else if (text.starts_with("vt ")) {
            auto t = floats<2>(text.substr(3), "vt");
            texture_coordinates_.push_back({t[0], t[1]});
        } else if (text.starts_with("f ")) {
            face(rest);
        } else if (text.starts_with("o ") || text.starts_with("g ")) {
            start_mesh(std::string(rest));
        }
    }

    Meshes finish() {
        // The implied last line stores the mesh in progress; the one it
        // begins is empty and dropped.
        start_mesh("_");
        return std::move(meshes_);
    }

private:
    [[noreturn]] void fail(const std::string& reason) const { throw ParseError(line_, reason); }

    template <std::size_t N>
    std::array<float, N> floats(std::string_view rest, std::string_view statement) const {
        auto tokens = split_whitespace(rest);
        if (tokens.size() < N) fail(fmt::format("\"{}\" needs {} numbers", statement, N));
        std::array<float, N> values{};
        for (std::size_t i = 0; i < N; ++i) {
            auto value = number<float>(tokens[i]);
            if (!value) fail(fmt::format("{:?} is not a number", tokens[i]));
            values[i] = *value;
        }
        return values;
    }

    template <class T>
    const T& element(const std::vector<T>& list, std::string_view part, std::string_view what) const {
        if (part.empty()) fail(fmt::format("a face corner lacks a {} index", what));
        auto index = number<std::uint64_t>(part);
        if (!index) fail(fmt::format("{:?} is not a {} index", part, what));
        if (*index == 0 || *index > list.size()) {
            fail(fmt::format("{} index {} is outside 1..{}", what, *index, list.size()));
        }
        return list[*index - 1];
    }

    Vertex corner(std::string_view token) const {
        std::array<std::string_view, 3> parts;
        std::size_t count = 0;
        std::size_t at = 0;
        while (count < parts.size()) {
            std::size_t slash = token.find('/', at);
            parts[count++] = token.substr(at, slash == std::string_view::npos ? slash : slash - at);
            if (slash == std::string_view::npos) break;
            at = slash + 1;
        }
        return Vertex{element(positions_, parts[0], "position"),
                      element(texture_coordinates_, count > 1 ? parts[1] : "", "texture coordinate"),
                      element(normals_, count > 2 ? parts[2] : "", "normal")};
    }

    void face(std::string_view rest) {
        std::vector<Vertex> corners;
        for (auto token : split_whitespace(rest)) corners.push_back(corner(token));
        for (std::size_t i = 2; i < corners.size(); ++i) {
            mesh_.push_back(corners[0]);
            mesh_.push_back(corners[i - 1]);
            mesh_.push_back(corners[i]);
        }
    }

    void start_mesh(std::string name) {
        if (!mesh_.empty()) meshes_.insert_or_assign(std::move(name_), std::move(mesh_));
        name_ = std::move(name);
        mesh_.clear();
    }

    std::size_t line_ = 0;
    std::vector<kimbly::Vec3> positions_;
    std::vector<kimbly::Vec2F32> texture_coordinates_;
    std::vector<kimbly::Vec3> normals_;
    std::string name_ = "__unnamed__";
    Mesh mesh_;
    Meshes meshes_;
};

}  // namespace

ParseError::ParseError(std::size_t line, const std::string& reason)
    : std::runtime_error(fmt::format("line {}: {}", line, reason)), line_(line) {}

Meshes parse(std::string_view text) {
    Parser parser;
    std::size_t number = 0;
    std::size_t at = 0;
    while (at <= text.size()) {
        std::size_t end = std::min(text.find('\n', at), text.size());
        std::string_view line = text.substr(at, end - at);
        if (line.ends_with('\r')) line.remove_suffix(1);
        parser.line(++number, line);
        at = end + 1;
    }
    return parser.finish();
}

}  // namespace vindle::obj
