#pragma once
// The target folder of client generation: what may receive packages and
// what may be cleared first. Every check throws before anything is removed,
// and every failure names the path it is about.
#include <filesystem>

namespace tarnwick::client_gen {

// Throws Error when `target` is empty, is something other than a folder,
// or, when absent, could not be created because what would hold it is no
// folder.
void check_target(const std::filesystem::path& target);

// Throws Error when removing `target` would remove the root, the home folder
// or what holds it, or the current directory or what holds it.
void check_removable(const std::filesystem::path& target);

// Removes `target` with everything below it, if it exists, after
// check_removable and after logging how much goes. A failure throws
// pakko::IoError naming the folder.
void clear_target(const std::filesystem::path& target);

}  // namespace tarnwick::client_gen
