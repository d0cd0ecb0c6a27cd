#include "kimbly/localization.hpp"

#include <clocale>
#include <map>
#include <mutex>
#include <set>

#include <fmt/format.h>

#include "kimbly/logger.hpp"
#include "kimbly/panic.hpp"

namespace kimbly::localization {
namespace {

constexpr std::string_view TARGET = "kimbly::localization";

// Length of the UTF-8 sequence starting at text[i], or 0 when it is malformed.
std::size_t utf8_sequence_length(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    std::uint32_t code = 0;
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) return 0;
        code = (code << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values beyond the last code point.
    if ((length == 3 && code < 0x800) || (length == 4 && code < 0x10000) || code > 0x10FFFF ||
        (code >= 0xD800 && code <= 0xDFFF)) {
        return 0;
    }
    return length;
}

bool is_utf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = utf8_sequence_length(text, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

template <class T>
struct Guarded {
    std::mutex mutex;
    T value;
};

using TextMap = std::map<std::string, std::string, std::less<>>;

std::string detect_locale() {
    // The collation category only: changing the numeric category would change
    // how every number in the program is parsed and printed.
    const char* name = std::setlocale(LC_COLLATE, "");
    std::optional<std::string_view> detected;
    if (name != nullptr && is_utf8(name)) detected = name;
    if (detected) {
        logger::trace(TARGET, "Detected locale: Some({:?})", *detected);
    } else {
        logger::trace(TARGET, "Detected locale: None");
    }
    std::string code = detail::locale_code_from_name(detected);
    logger::trace(TARGET, "Using locale: {:?}", code);
    return code;
}

Guarded<std::string>& LOCALE() {
    static Guarded<std::string> locale{{}, detect_locale()};
    return locale;
}

Guarded<std::map<std::string, TextMap, std::less<>>>& TRANSLATIONS() {
    static Guarded<std::map<std::string, TextMap, std::less<>>> translations;
    return translations;
}

Guarded<std::map<std::string, std::set<std::string, std::less<>>, std::less<>>>&
REPORTED_UNTRANSLATED() {
    static Guarded<std::map<std::string, std::set<std::string, std::less<>>, std::less<>>> reported;
    return reported;
}

// One block of a translation table: locale code -> text.
void end_block(TextMap& block) {
    if (block.empty()) return;
    const auto english = block.find("en");
    if (english == block.end()) kimbly::panic("Expected english source for translation");
    for (const auto& [code, text] : block) {
        if (code != "en") add_translation(code, english->second, text);
    }
    block.clear();
}

}  // namespace

namespace detail {
std::string locale_code_from_name(std::optional<std::string_view> name) {
    if (!name || !is_utf8(*name)) return "en";
    std::size_t end = 0;
    while (end < name->size()) {
        const std::size_t next = end + utf8_sequence_length(*name, end);
        if (next > 2) break;
        end = next;
    }
    std::string code(name->substr(0, end));
    for (char& c : code) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return code;
}
}  // namespace detail

void set_locale(std::string_view code) {
    auto& locale = LOCALE();
    std::lock_guard lock(locale.mutex);
    locale.value = std::string(code);
}

void add_translation(std::string_view locale, std::string_view english,
                     std::string_view translated) {
    auto& translations = TRANSLATIONS();
    std::lock_guard lock(translations.mutex);
    auto entry = translations.value.find(locale);
    if (entry == translations.value.end()) {
        entry = translations.value.emplace(std::string(locale), TextMap{}).first;
    }
    entry->second.insert_or_assign(std::string(english), std::string(translated));
}

void add_translations(std::string_view table) {
    TextMap block;
    std::size_t start = 0;
    while (start < table.size()) {
        std::size_t end = table.find('\n', start);
        if (end == std::string_view::npos) end = table.size();
        std::string_view line = table.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) {
            end_block(block);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) kimbly::panic("Failed to parse translations");
        block.insert_or_assign(std::string(line.substr(0, equals)),
                               std::string(line.substr(equals + 1)));
    }
    end_block(block);
}

std::string translate(std::string_view english) {
    auto& translations = TRANSLATIONS();
    std::lock_guard translations_lock(translations.mutex);
    auto& locale = LOCALE();
    std::lock_guard locale_lock(locale.mutex);
    if (locale.value == "en") return std::string(english);
    if (const auto table = translations.value.find(locale.value);
        table != translations.value.end()) {
        if (const auto text = table->second.find(english); text != table->second.end()) {
            return text->second;
        }
    }
    if (logger::enabled(logger::Level::Debug, TARGET)) {
        auto& reported = REPORTED_UNTRANSLATED();
        std::lock_guard reported_lock(reported.mutex);
        auto texts = reported.value.find(locale.value);
        if (texts == reported.value.end()) {
            texts = reported.value.emplace(locale.value, std::set<std::string, std::less<>>{}).first;
        }
        if (texts->second.emplace(english).second) {
            logger::debug(TARGET, "{:?} not translated to {:?}", english, locale.value);
        }
    }
    return std::string(english);
}

}  // namespace kimbly::localization
