#pragma once
// A value kept in memory and mirrored in a JSON file: read once by load(),
// written back when a changed value is next read, and once more when the
// holder goes away. Failures of the file are logged, never returned: a lost
// preference must not stop the program.
#include <atomic>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "kimbly/panic.hpp"
#include "pakko/json.hpp"

namespace kimbly::autosave {

namespace detail {
// The whole file, or none after logging why it could not be read.
std::optional<std::string> read_text(const std::filesystem::path& path);
void log_parse_failure(const std::filesystem::path& path, std::string_view error);
void log_loaded(const std::filesystem::path& path);
// Writes the text to a temporary file beside the file `path` names (through
// any symbolic links) and renames it over that file, so the old file stays
// whole until the new one is complete. Where no temporary file can be made,
// the file is rewritten in place.
void save_text(const std::filesystem::path& path, std::string_view text);
}  // namespace detail

// Writes the value's pretty JSON to the file; failures are logged.
template <class T>
void save(const std::filesystem::path& path, const T& value) {
    const std::string text =
        kimbly::expect([&] { return pakko::json::dump(value); }, "Failed to serialize value");
    detail::save_text(path, text);
}

template <class T>
class AutoSave {
public:
    // Reads the file; a missing or unreadable file gives the default value,
    // which is written to the file at once.
    static AutoSave load(const std::filesystem::path& path) {
        std::optional<T> loaded;
        if (auto text = detail::read_text(path)) {
            try {
                loaded = pakko::json::parse<T>(*text);
                detail::log_loaded(path);
            } catch (const std::exception& e) {
                detail::log_parse_failure(path, e.what());
            }
        }
        if (!loaded) {
            loaded.emplace();
            save(path, *loaded);
        }
        return AutoSave(std::move(*loaded), path);
    }

    AutoSave(AutoSave&& other) noexcept
        : value_(std::move(other.value_)),
          path_(std::move(other.path_)),
          changed_(other.changed_.load()),
          live_(std::exchange(other.live_, false)) {}
    AutoSave(const AutoSave&) = delete;
    AutoSave& operator=(const AutoSave&) = delete;
    AutoSave& operator=(AutoSave&&) = delete;

    ~AutoSave() {
        if (live_) save(path_, value_);
    }

    // Shared view; writes the file first when the value changed since.
    const T& read() const {
        if (changed_.exchange(false)) save(path_, value_);
        return value_;
    }

    // Exclusive view; marks the value changed without writing anything yet.
    T& write() {
        changed_.store(true);
        return value_;
    }

    const std::filesystem::path& path() const { return path_; }

private:
    AutoSave(T value, std::filesystem::path path) : value_(std::move(value)), path_(std::move(path)) {}

    T value_;
    std::filesystem::path path_;
    mutable std::atomic<bool> changed_{false};
    bool live_ = true;  // false once moved from
};

}  // namespace kimbly::autosave
