#pragma once
// A view's last picture, kept in a texture and shown again while nothing it
// was drawn from has changed. On a paused or finished match, and in the flat
// view between ticks, a frame then costs one copy instead of thousands of
// blended fragments, which is most of a frame on a software renderer.
//
// What a picture was drawn from is summed up in a FrameKey: the bytes of
// every instance list the view hands the GPU, the textures and meshes it
// binds, the camera's matrices and the framebuffer size. Equal keys mean an
// equal picture, so the kept one is shown pixel for pixel.
#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <type_traits>
#include <utility>
#include <vector>

#include <ovra/framebuffer.hpp>

#include "velmora/camera.hpp"

namespace velmora::renderer {

class FrameKey {
public:
    // The records' bytes and their number, so that neighbouring lists cannot
    // trade records unnoticed. Records must have no padding, as every
    // instance record of the views has (their sizes are tested).
    template <class T>
    FrameKey& add_records(std::span<const T> records) {
        static_assert(std::is_trivially_copyable_v<T>);
        add_value(records.size());
        const auto bytes = std::as_bytes(records);
        bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
        return *this;
    }
    // One value without padding, such as a size or the address of a texture.
    template <class T>
    FrameKey& add_value(const T& value) {
        static_assert(std::is_trivially_copyable_v<T>);
        const auto bytes = std::as_bytes(std::span<const T, 1>(&value, 1));
        bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
        return *this;
    }
    // The camera's matrices at `framebuffer_size`, and that size.
    FrameKey& add_camera(const camera::Camera& camera, kimbly::Vec2Usize framebuffer_size);

    bool operator==(const FrameKey&) const = default;

private:
    std::vector<std::byte> bytes_;
};

class FrameCache {
public:
    explicit FrameCache(ovra::OvraHandle context) : context_(std::move(context)) {}

    // Copies the kept picture into `framebuffer` and returns true when it was
    // drawn from `key` at the framebuffer's size; otherwise leaves the
    // framebuffer alone and returns false.
    bool show(const FrameKey& key, ovra::Framebuffer& framebuffer) const;

    // Keeps what `framebuffer` holds now as the picture drawn from `key`.
    void keep(FrameKey key, const ovra::Framebuffer& framebuffer);

    // Shows the kept picture when it was drawn from `key`; otherwise draws
    // with `draw_picture` and keeps what it drew.
    template <class Draw>
    void draw(FrameKey key, ovra::Framebuffer& framebuffer, Draw&& draw_picture) {
        if (show(key, framebuffer)) return;
        draw_picture();
        keep(std::move(key), framebuffer);
    }

private:
    ovra::OvraHandle context_;
    std::optional<FrameKey> key_;
    // The framebuffer borrows the texture, which must not move.
    std::unique_ptr<ovra::Texture2d> texture_;
    std::unique_ptr<ovra::Framebuffer> picture_;
};

}  // namespace velmora::renderer
