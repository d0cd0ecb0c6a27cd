#pragma once
// File dialogs of the user: choosing a file to save into or to open. The
// dialogs themselves come from a replaceable backend, so tests run without a
// display.
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "pakko/io.hpp"

namespace kimbly {

// Writes a file's content into the sink; failures are thrown as pakko::IoError.
using ContentWriter = std::function<void(pakko::Writer&)>;

// Asks for a file name with the save dialog, creates (or truncates) the file
// and runs `write` over a buffered writer of 8192 bytes, then flushes it.
// Cancelling writes nothing and does not call `write`. A failure to create the
// file, the error thrown by `write` and a failure of the final flush are all
// thrown as pakko::IoError, so a full disk never passes for a saved file.
void save_file(std::string_view title, std::string_view default_name, const ContentWriter& write);

// Asks for an existing file with the open dialog; none when cancelled.
std::optional<std::filesystem::path> select_file(std::string_view title);

namespace dialogs {

class Backend {
public:
    virtual ~Backend() = default;
    // The chosen path, or none when the user cancelled.
    virtual std::optional<std::filesystem::path> save_file(std::string_view title,
                                                           std::string_view default_name) = 0;
    virtual std::optional<std::filesystem::path> open_file(std::string_view title) = 0;
};

// Makes `backend` the one the dialogs use and returns the previous one;
// nullptr brings back the default, which runs a dialog program.
std::shared_ptr<Backend> set_backend(std::shared_ptr<Backend> backend);

}  // namespace dialogs
}  // namespace kimbly
