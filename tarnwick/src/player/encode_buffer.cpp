#include "tarnwick/player/encode_buffer.hpp"

#include <algorithm>

namespace tarnwick::player {

void EncodeBuffer::grow(std::size_t more) {
    const std::size_t size = static_cast<std::size_t>(end_ - storage_.get());
    const std::size_t capacity = static_cast<std::size_t>(limit_ - storage_.get());
    // Doubling keeps the copies of a growing first message linear in its size.
    const std::size_t grown = std::max(size + more, 2 * capacity);
    auto storage = std::make_unique_for_overwrite<std::byte[]>(grown);
    if (size != 0) std::memcpy(storage.get(), storage_.get(), size);
    storage_ = std::move(storage);
    end_ = storage_.get() + size;
    limit_ = storage_.get() + grown;
}

}  // namespace tarnwick::player
