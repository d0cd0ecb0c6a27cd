#include "pakko_gen/gen_result.hpp"

#include <pakko/file_io.hpp>

#include <cstddef>
#include <span>
#include <system_error>

namespace pakko_gen {

void GenResult::add(std::string path, std::string content) {
    for (auto& file : files) {
        if (file.path == path) {
            file.content = std::move(content);
            return;
        }
    }
    files.push_back({std::move(path), std::move(content)});
}

void GenResult::write_to(const std::filesystem::path& directory) const {
    for (const auto& file : files) {
        auto target = directory / file.path;
        // A file without a directory part still needs `directory` itself.
        std::error_code error;
        std::filesystem::create_directories(target.parent_path(), error);
        if (error) throw pakko::io_error_from_errno(error.value());
        pakko::FileWriter writer(target);
        writer.write_all(std::as_bytes(std::span(file.content)));
        // A file is only written once its last byte has left our buffer.
        writer.flush();
    }
}

}  // namespace pakko_gen
