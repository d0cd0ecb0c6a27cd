#include "tarnwick/client_gen/target.hpp"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <system_error>

#include <kimbly/logger.hpp>

#include "tarnwick/client_gen/error.hpp"
#include "tarnwick/client_gen/harness.hpp"
#include "tarnwick/net/os_error.hpp"

namespace tarnwick::client_gen {

namespace {

namespace fs = std::filesystem;

// `inner` is `outer` or lies below it.
bool holds(const fs::path& outer, const fs::path& inner) {
    auto [end, _] = std::mismatch(outer.begin(), outer.end(), inner.begin(), inner.end());
    return end == outer.end();
}

fs::path resolved(const fs::path& path) { return fs::weakly_canonical(fs::absolute(path)); }

[[noreturn]] void fail(const std::string& what, const fs::path& path, const std::error_code& error) {
    throw net::os_error(error.value(), what + " " + path.string());
}

// The status of `path` itself; only its absence is no failure.
fs::file_status status_of(const fs::path& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error && status.type() != fs::file_type::not_found) fail("Cannot look at", path, error);
    return status;
}

// Every file and folder below `dir`, symbolic links counted, not followed.
std::size_t entries_below(const fs::path& dir) {
    std::error_code error;
    std::size_t count = 0;
    for (fs::recursive_directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) ++count;
    if (error) fail("Cannot read the folder", dir, error);
    return count;
}

}  // namespace

void check_target(const fs::path& target) {
    if (target.empty()) throw Error("Refusing an empty target path; name the folder to generate into");
    const fs::file_status status = status_of(target);
    if (fs::exists(status)) {
        if (!fs::is_directory(status)) throw Error("Refusing to generate into " + target.string() + ": it is no folder");
        return;
    }
    // The nearest existing ancestor must be a folder for the target to be made.
    for (fs::path above = fs::absolute(target).parent_path();; above = above.parent_path()) {
        const fs::file_status above_status = status_of(above);
        if (fs::exists(above_status)) {
            if (fs::is_directory(above_status)) return;
            throw Error("Cannot create the folder " + target.string() + ": " + above.string() + " is no folder");
        }
        if (above == above.root_path()) return;
    }
}

void check_removable(const fs::path& target) {
    const fs::path dir = resolved(target);
    const std::string shown = target.string();
    if (dir == dir.root_path()) throw Error("Refusing to remove " + shown + ": it is the root folder");
    const char* home = std::getenv("HOME");
    const std::optional<fs::path> home_dir = home && *home ? std::optional(resolved(home)) : std::nullopt;
    if (home_dir && dir == *home_dir) throw Error("Refusing to remove " + shown + ": it is the home folder");
    if (holds(dir, resolved(fs::current_path()))) {
        throw Error("Refusing to remove " + shown + ": it holds the current directory");
    }
    if (home_dir && holds(dir, *home_dir)) throw Error("Refusing to remove " + shown + ": it holds the home folder");
}

void clear_target(const fs::path& target) {
    if (!fs::exists(status_of(target))) return;
    check_removable(target);
    const std::size_t entries = entries_below(target);
    kimbly::logger::info(LOG_TARGET, "Removing {} with the {} {} below it", target.string(), entries,
                         entries == 1 ? "entry" : "entries");
    std::error_code error;
    fs::remove_all(target, error);
    if (error) fail("Cannot remove", target, error);
}

}  // namespace tarnwick::client_gen
