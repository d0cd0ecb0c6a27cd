#include "pakko/names.hpp"

#include <cctype>

namespace pakko {

namespace {

bool is_word_char(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; }
bool is_upper(char c) { return std::isupper(static_cast<unsigned char>(c)) != 0; }
bool is_lower(char c) { return std::islower(static_cast<unsigned char>(c)) != 0; }
char upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }
char lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

enum class Mode { None, Lower, Upper };

void split_segment(std::string_view segment, std::vector<std::string>& out) {
    std::string current;
    Mode mode = Mode::None;
    auto finish = [&] {
        if (!current.empty()) out.push_back(std::move(current));
        current.clear();
        mode = Mode::None;
    };
    for (std::size_t i = 0; i < segment.size(); ++i) {
        char c = segment[i];
        if (c == '_') {
            // Never copied; also ends the sub-word before it.
            finish();
            continue;
        }
        char next = i + 1 < segment.size() ? segment[i + 1] : '\0';
        Mode before = mode;
        if (before == Mode::Upper && is_upper(c) && is_lower(next)) {
            // ABCDef: "D" starts the next sub-word.
            finish();
        }
        current.push_back(c);
        if (is_lower(c)) {
            mode = Mode::Lower;
        } else if (is_upper(c)) {
            mode = Mode::Upper;
        }
        if (next == '_' || (mode == Mode::Lower && is_upper(next))) finish();
    }
    finish();
}

std::string capitalised(const std::string& word) {
    std::string out;
    out.reserve(word.size());
    for (std::size_t i = 0; i < word.size(); ++i) out.push_back(i == 0 ? upper(word[i]) : lower(word[i]));
    return out;
}

std::string lowered(std::string word) {
    for (char& c : word) c = lower(c);
    return word;
}

std::string uppered(std::string word) {
    for (char& c : word) c = upper(c);
    return word;
}

}  // namespace

std::vector<std::string> split_identifier(std::string_view identifier) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < identifier.size()) {
        if (!is_word_char(identifier[i])) {
            ++i;
            continue;
        }
        std::size_t start = i;
        while (i < identifier.size() && is_word_char(identifier[i])) ++i;
        split_segment(identifier.substr(start, i - start), words);
    }
    return words;
}

std::string to_camel_case(std::string_view identifier) {
    std::string out;
    for (const auto& word : split_identifier(identifier)) out += capitalised(word);
    return out;
}

std::string to_mixed_case(std::string_view identifier) {
    std::string out;
    bool first = true;
    for (const auto& word : split_identifier(identifier)) {
        out += first ? lowered(word) : capitalised(word);
        first = false;
    }
    return out;
}

std::string to_snake_case(std::string_view identifier) {
    std::string out;
    for (const auto& word : split_identifier(identifier)) {
        if (!out.empty()) out += '_';
        out += lowered(word);
    }
    return out;
}

std::string to_shouty_snake_case(std::string_view identifier) {
    std::string out;
    for (const auto& word : split_identifier(identifier)) {
        if (!out.empty()) out += '_';
        out += uppered(word);
    }
    return out;
}

}  // namespace pakko
