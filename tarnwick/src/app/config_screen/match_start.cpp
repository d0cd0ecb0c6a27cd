#include "tarnwick/app/config_screen/match_start.hpp"

namespace tarnwick::app::config_screen {

void log_refused(std::string_view what, std::string_view error) {
    kimbly::logger::error(LOG_TARGET, "{}: {}", what, error);
}

std::optional<std::string> readable_name(const std::filesystem::path& path) {
    const std::string name = path.filename().native();
    if (name.empty() || !is_valid_utf8(name)) {
        log_refused("Failed to load game state", "the file name is empty or not UTF-8");
        return std::nullopt;
    }
    return name;
}

bool check_utf8(const std::filesystem::path& path, std::string_view what) {
    if (is_valid_utf8(path.native())) return true;
    log_refused(what, "path contains invalid UTF-8 characters");
    return false;
}

std::unique_ptr<FileSource> open_file(const std::filesystem::path& path, std::string_view what) {
    try {
        return std::make_unique<FileSource>(path);
    } catch (const std::exception& error) {
        log_refused(what, error.what());
        return nullptr;
    }
}

}  // namespace tarnwick::app::config_screen
