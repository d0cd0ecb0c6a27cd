#pragma once
// The default dialog backend: a dialog program (zenity, else kdialog) run as a
// child process. Its arguments go over as a list, never through a shell, so a
// title or file name is never interpreted. Without a program or a display the
// dialog counts as cancelled, with a warning.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kimbly/dialogs.hpp"

namespace kimbly::dialogs {

enum class Tool { Zenity, Kdialog };

struct DialogProgram {
    std::filesystem::path path;
    Tool tool;
};

// The first dialog program found on PATH, zenity before kdialog.
std::optional<DialogProgram> find_dialog_program();

// The arguments (without the program name) of each dialog.
std::vector<std::string> save_arguments(Tool tool, std::string_view title,
                                        std::string_view default_name);
std::vector<std::string> open_arguments(Tool tool, std::string_view title);

class ProcessBackend final : public Backend {
public:
    // Uses find_dialog_program(), looked up at each dialog.
    ProcessBackend() = default;
    explicit ProcessBackend(DialogProgram program) : program_(std::move(program)) {}

    std::optional<std::filesystem::path> save_file(std::string_view title,
                                                   std::string_view default_name) override;
    std::optional<std::filesystem::path> open_file(std::string_view title) override;

private:
    std::optional<DialogProgram> program() const;
    static std::optional<std::filesystem::path> run(const DialogProgram& program,
                                                    const std::vector<std::string>& arguments);

    std::optional<DialogProgram> program_;
};

}  // namespace kimbly::dialogs
