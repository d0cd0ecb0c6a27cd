#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include <fmt/format.h>
#include <kimbly/logger.hpp>
#include <pakko/binary.hpp>

#include "asset_job.hpp"

namespace vindle::asset {

std::string os_error_text(int code) { return fmt::format("{} (os error {})", std::strerror(code), code); }

void log_loading(const std::string& path) { kimbly::logger::info("vindle::asset::_impl", "Loading {:?}", path); }

AssetResult<std::string> read_text(const std::string& path) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) return AssetError(os_error_text(errno));
    std::string text;
    char buffer[1 << 16];
    while (std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get())) text.append(buffer, got);
    if (std::ferror(file.get())) return AssetError(os_error_text(errno));
    try {
        pakko::check_utf8(std::as_bytes(std::span(text.data(), text.size())));
    } catch (const pakko::IoError& error) {
        return AssetError(error.what());
    }
    return text;
}

AssetFutureBox<std::string> LoadAsset<std::string>::load(AssetContext& context, std::string path) {
    return spawn_load<std::string>(context.thread_pool(), std::move(path), &read_text);
}

}  // namespace vindle::asset
