#pragma once
// The indenting text buffer that generated source is written into.
#include <cstddef>
#include <string>
#include <string_view>

namespace pakko_gen {

class Writer {
public:
    Writer() = default;

    void indent() { ++level_; }
    void unindent();

    // Appends a piece; every line gets 4 spaces per level before its first
    // character, taken at the level in force when that character is written.
    // Line feeds are never indented, so empty lines stay empty.
    void write_str(std::string_view piece);

    // The pieces, joined, then a line feed. With no pieces: an empty line.
    template <class... Pieces>
    void line(const Pieces&... pieces) {
        (write_str(std::string_view(pieces)), ...);
        write_str("\n");
    }

    // The line `head`, then what `body` writes one level deeper, then "}".
    template <class Body>
    void braced(std::string_view head, Body&& body) {
        line(head);
        indent();
        body();
        unindent();
        line("}");
    }

    // The line `head`, what `then` writes one level deeper, the line (or
    // lines) `middle`, what `otherwise` writes one level deeper, then `end`
    // unless it is empty.
    template <class Then, class Otherwise>
    void if_else(std::string_view head, Then&& then, std::string_view middle, Otherwise&& otherwise,
                 std::string_view end = "}") {
        line(head);
        indent();
        then();
        unindent();
        line(middle);
        indent();
        otherwise();
        unindent();
        if (!end.empty()) line(end);
    }

    std::size_t level() const noexcept { return level_; }
    const std::string& text() const noexcept { return text_; }

    // The whole text; a writer left indented is a fault of its generator and
    // stops the program.
    std::string take_text() &&;

private:
    std::string text_;
    std::size_t level_ = 0;
};

}  // namespace pakko_gen
