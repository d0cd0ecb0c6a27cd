#include "tarnwick/client_gen/package.hpp"

#include <cerrno>
#include <fstream>
#include <system_error>

#include <pakko/names.hpp>

#include "tarnwick/net/os_error.hpp"

namespace tarnwick::client_gen {

namespace {

std::string replace_all(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

}  // namespace

void write_file(const std::filesystem::path& path, std::string_view content) {
    if (path.has_parent_path()) {
        std::error_code error;
        std::filesystem::create_directories(path.parent_path(), error);
        if (error) throw net::os_error(error.value(), "Cannot create the folder " + path.parent_path().string());
    }
    errno = 0;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw net::os_error(errno ? errno : EIO, "Cannot write " + path.string());
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    if (!out) throw net::os_error(errno ? errno : EIO, "Cannot write " + path.string());
}

std::string substitute_names(std::string_view text, std::string_view project_name) {
    std::string result = replace_all(std::string(text), "project_name", pakko::to_snake_case(project_name));
    return replace_all(std::move(result), "ProjectName", pakko::to_camel_case(project_name));
}

void write_fixed_files(const ClientGenOptions& options, std::span<const FixedFile> files) {
    for (const auto& file : files) {
        write_file(options.target_dir / file.path, substitute_names(file.text, options.name));
    }
}

Command built_program(const ClientGenOptions& options) {
    Command result = command((std::filesystem::path(".") / options.name).string());
    result.working_dir = options.target_dir;
    return result;
}

}  // namespace tarnwick::client_gen
