#include "tarnwick/app/config_screen/match_start.hpp"

namespace tarnwick::app::config_screen {

void Refusal::refuse(std::string_view what, std::string_view error) {
    kimbly::logger::error(LOG_TARGET, "{}: {}", what, error);
    message_ = fmt::format("{}: {}", what, error);
}

std::optional<std::string> file_name(const std::filesystem::path& path) {
    std::string name = path.filename().native();
    if (name.empty() || !is_valid_utf8(name)) return std::nullopt;
    return name;
}

std::optional<std::string> readable_name(const std::filesystem::path& path, Refusal& refusal) {
    auto name = file_name(path);
    if (!name) refusal.refuse("Failed to load game state", "the file name is empty or not UTF-8");
    return name;
}

bool check_utf8(const std::filesystem::path& path, std::string_view what, Refusal& refusal) {
    if (is_valid_utf8(path.native())) return true;
    refusal.refuse(what, "path contains invalid UTF-8 characters");
    return false;
}

std::unique_ptr<FileSource> open_file(const std::filesystem::path& path, std::string_view what, Refusal& refusal) {
    try {
        return std::make_unique<FileSource>(path);
    } catch (const std::exception& error) {
        refusal.refuse(what, error.what());
        return nullptr;
    }
}

std::string player_count_mismatch(std::string_view source, std::size_t in_file, std::size_t chosen) {
    const std::string_view relation = in_file < chosen ? "fewer" : "more";
    return fmt::format("the {} has {} players, {} than the {} players chosen", source, in_file, relation, chosen);
}

}  // namespace tarnwick::app::config_screen
