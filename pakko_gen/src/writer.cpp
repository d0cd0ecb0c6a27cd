#include "pakko_gen/writer.hpp"

#include <kimbly/panic.hpp>

#include "pakko_gen/assertion.hpp"

namespace pakko_gen {

void Writer::unindent() {
    if (level_ == 0) kimbly::panic("attempt to subtract with overflow");
    --level_;
}

void Writer::write_str(std::string_view piece) {
    // Byte by byte is enough: a UTF-8 continuation byte never starts a line.
    for (char c : piece) {
        if (c != '\n' && (text_.empty() || text_.back() == '\n')) text_.append(4 * level_, ' ');
        text_.push_back(c);
    }
}

std::string Writer::take_text() && {
    if (level_ != 0) equality_assertion_failed(std::to_string(level_), "0", "Incorrect indentation");
    return std::move(text_);
}

}  // namespace pakko_gen
