#include "tarnwick/lib/full_options.hpp"

#include <cerrno>
#include <cstdio>
#include <memory>

#include <pakko/file_io.hpp>

namespace tarnwick {

bool is_valid_utf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        std::uint32_t code = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            code = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            code = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (text.size() - i < length) return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and values beyond the last code point.
        constexpr std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < smallest[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return false;
        i += length;
    }
    return true;
}

std::string read_text_file(const std::filesystem::path& path) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) throw pakko::io_error_from_errno(errno);
    std::string text;
    char chunk[8192];
    while (true) {
        const std::size_t got = std::fread(chunk, 1, sizeof chunk, file.get());
        text.append(chunk, got);
        if (got < sizeof chunk) {
            if (std::ferror(file.get())) throw pakko::io_error_from_errno(errno);
            break;
        }
    }
    return text;
}

}  // namespace tarnwick
