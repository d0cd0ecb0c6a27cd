#include <cerrno>
#include <cstdio>
#include <memory>

#include <stb_image.h>

#include "asset_job.hpp"

namespace vindle::asset {

namespace {

// Waits for the decoded image, then makes the texture inside the poll, on
// the main thread that owns the GL context.
class TextureFuture final : public AssetFuture<ovra::Texture2d> {
public:
    TextureFuture(ovra::OvraHandle context, AssetFutureBox<ovra::Image> image)
        : context_(std::move(context)), image_(std::move(image)) {}

    std::optional<AssetResult<ovra::Texture2d>> poll() override {
        auto image = image_->poll();
        if (!image) return std::nullopt;
        if (!image->ok()) return AssetResult<ovra::Texture2d>(image->error());
        return AssetResult<ovra::Texture2d>(ovra::Texture2d::from_image(context_, std::move(image->value())));
    }

private:
    ovra::OvraHandle context_;
    AssetFutureBox<ovra::Image> image_;
};

}  // namespace

AssetResult<ovra::Image> decode_image(const std::string& path) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) return AssetError(path, {os_error_text(errno)});
    int width = 0;
    int height = 0;
    int channels = 0;
    std::unique_ptr<stbi_uc, void (*)(void*)> pixels(stbi_load_from_file(file.get(), &width, &height, &channels, 4),
                                                      &stbi_image_free);
    if (!pixels) {
        const char* reason = stbi_failure_reason();
        return AssetError(path, {reason ? reason : "the image could not be decoded"});
    }
    auto size = kimbly::Vec2Usize{static_cast<std::uint64_t>(width), static_cast<std::uint64_t>(height)};
    return ovra::Image{size, std::vector<std::uint8_t>(pixels.get(), pixels.get() + size.x * size.y * 4)};
}

AssetFutureBox<ovra::Texture2d> LoadAsset<ovra::Texture2d>::load(AssetContext& context, std::string path) {
    auto ovra = context.ovra();
    return std::make_unique<TextureFuture>(std::move(ovra),
                                           spawn_load<ovra::Image>(context.thread_pool(), std::move(path), &decode_image));
}

}  // namespace vindle::asset
