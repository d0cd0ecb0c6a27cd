#include "ovra/vertex_buffer.hpp"

#include "ovra/gl_constants.hpp"

namespace ovra {

RawBuffer::RawBuffer(OvraHandle context, ovra_raw::Enum usage)
    : buffer_(context, handed_out(context->raw().create_buffer(), "buffer")), usage_(usage) {}

void RawBuffer::bind() const { buffer_.raw().bind_buffer(gl::ARRAY_BUFFER, handle()); }

void RawBuffer::upload(const void* data, std::uint64_t used, std::uint64_t capacity) {
    ovra_raw::Context& raw = buffer_.raw();
    bind();
    if (store_size_ < capacity) {
        // The array's spare capacity was never written: allocate the store
        // without data and copy only the records.
        store_size_ = capacity;
        raw.buffer_data(gl::ARRAY_BUFFER, static_cast<std::int64_t>(capacity), nullptr, usage_);
    }
    if (used > 0) raw.buffer_sub_data(gl::ARRAY_BUFFER, 0, static_cast<std::int64_t>(used), data);
}

void VertexBufferBase::upload() {
    raw_.upload(record_data(), record_count() * record_size(), record_capacity() * record_size());
    changed_ = false;
}

}  // namespace ovra
