#pragma once
// Texts of the user interface are written in English in the code and shown
// through translate(), which picks the text registered for the current locale.
// The locale, the registered translations and the set of texts already
// reported as untranslated are process-wide, each behind its own mutex.
#include <optional>
#include <string>
#include <string_view>

namespace kimbly::localization {

// Replaces the current locale with `code` exactly as given ("RU" stays "RU").
// The system locale is detected first if that has not happened yet, so its
// trace records appear even when a locale is given.
void set_locale(std::string_view code);

// Registers one translation; a later pair with the same English text replaces
// the earlier one.
void add_translation(std::string_view locale, std::string_view english,
                     std::string_view translated);

// Registers every translation of a table: blocks separated by empty lines,
// each line "<locale>=<text>", each block with one "en" line as the source.
// The texts are copied, so the table need not outlive the call. A malformed
// table is a programming error and stops the program.
void add_translations(std::string_view table);

// The text registered for the current locale, else `english` itself. A miss
// is reported once per (locale, text) at debug level.
std::string translate(std::string_view english);

namespace detail {
// The locale code for a system locale name: at most the first two bytes
// (whole characters only), lower-cased; "en" when there is no name or it is
// not UTF-8.
std::string locale_code_from_name(std::optional<std::string_view> name);
}  // namespace detail

}  // namespace kimbly::localization
