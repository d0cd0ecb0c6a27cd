#include "velmora/renderer/draw/frame_cache.hpp"

#include <ovra/draw.hpp>

#include "velmora/renderer/camera_uniforms.hpp"

namespace velmora::renderer {

FrameKey& FrameKey::add_camera(const camera::Camera& camera, kimbly::Vec2Usize framebuffer_size) {
    add_value(framebuffer_size.x).add_value(framebuffer_size.y);
    for (const NamedMatrix& matrix : uniforms(camera, framebuffer_size)) add_records(std::span<const float>(matrix.value.values));
    return *this;
}

bool FrameCache::show(const FrameKey& key, ovra::Framebuffer& framebuffer) const {
    if (!key_ || *key_ != key || picture_->size() != framebuffer.size()) return false;
    ovra::draw::copy(*picture_, framebuffer);
    return true;
}

void FrameCache::keep(FrameKey key, const ovra::Framebuffer& framebuffer) {
    if (!picture_ || picture_->size() != framebuffer.size()) {
        picture_.reset();
        texture_ = std::make_unique<ovra::Texture2d>(ovra::Texture2d::new_uninitialized(context_, framebuffer.size()));
        picture_ = std::make_unique<ovra::Framebuffer>(context_, *texture_);
    }
    ovra::draw::copy(framebuffer, *picture_);
    key_ = std::move(key);
}

}  // namespace velmora::renderer
