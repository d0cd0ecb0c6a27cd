#pragma once
// Vertex buffers: arrays of records (per-vertex or per-instance data) kept on
// the CPU and copied to a GL array buffer lazily, when a draw uses them
// after they changed.
//
// A record type lists its fields for the shaders through a function found by
// argument-dependent lookup, next to the type:
//
//     struct Vertex { kimbly::Vec2F32 a_pos; kimbly::ColorF32 a_color; };
//     constexpr std::array<ovra::VertexAttribute, 2> vertex_attributes(std::type_identity<Vertex>) {
//         return {{{"a_pos", offsetof(Vertex, a_pos), 2}, {"a_color", offsetof(Vertex, a_color), 4}}};
//     }
//
// Every component is a 32-bit float; the stride is sizeof the record.
#include <cstdint>
#include <span>
#include <string_view>
#include <type_traits>
#include <vector>

#include "ovra/gl_object.hpp"

namespace ovra {

struct VertexAttribute {
    std::string_view name;     // as the shaders call it, e.g. "a_pos"
    std::size_t offset = 0;    // in bytes within the record
    std::int32_t components = 0;  // 1 to 4 floats
};

template <class T>
concept VertexRecord = std::is_trivially_copyable_v<T> && requires {
    { vertex_attributes(std::type_identity<T>{}) };
};

// A GL array buffer and the size of its store, which grows and never
// shrinks.
class RawBuffer {
public:
    // usage: GL_STATIC_DRAW or GL_DYNAMIC_DRAW.
    RawBuffer(OvraHandle context, ovra_raw::Enum usage);

    // glBindBuffer(GL_ARRAY_BUFFER, handle).
    void bind() const;
    // Copies the `used` bytes at `data` into the store, first allocating a
    // store of `capacity` bytes when the current one is smaller. Only bytes
    // that hold records are read.
    void upload(const void* data, std::uint64_t used, std::uint64_t capacity);

    std::uint64_t store_size() const { return store_size_; }
    ovra_raw::Handle handle() const { return buffer_.handle(); }
    Ovra& context() const { return buffer_.context(); }

private:
    GlObject<&ovra_raw::Context::delete_buffer> buffer_;
    std::uint64_t store_size_ = 0;
    ovra_raw::Enum usage_;
};

// What a draw needs of a vertex buffer, whatever its record type.
class VertexBufferBase {
public:
    virtual ~VertexBufferBase() = default;

    virtual std::size_t record_count() const = 0;
    virtual std::size_t record_size() const = 0;
    virtual std::span<const VertexAttribute> attributes() const = 0;

    // Whether the records changed since the last upload.
    bool changed() const { return changed_; }
    // Copies the records into the GL buffer and marks the buffer clean; the
    // store is reallocated only when the array's capacity outgrew it.
    void upload();
    const RawBuffer& raw_buffer() const { return raw_; }

protected:
    VertexBufferBase(OvraHandle context, ovra_raw::Enum usage) : raw_(std::move(context), usage) {}
    VertexBufferBase(VertexBufferBase&&) = default;
    virtual const void* record_data() const = 0;
    virtual std::size_t record_capacity() const = 0;

    bool changed_ = true;

private:
    RawBuffer raw_;
};

template <VertexRecord T>
class VertexBuffer final : public VertexBufferBase {
public:
    static constexpr auto ATTRIBUTES = vertex_attributes(std::type_identity<T>{});

    // The records, taken over and uploaded at once, for data that rarely
    // changes (GL_STATIC_DRAW) or often (GL_DYNAMIC_DRAW).
    static VertexBuffer new_static(OvraHandle context, std::vector<T> records) {
        return VertexBuffer(std::move(context), std::move(records), 35044);
    }
    static VertexBuffer new_dynamic(OvraHandle context, std::vector<T> records) {
        return VertexBuffer(std::move(context), std::move(records), 35048);
    }

    VertexBuffer(VertexBuffer&&) = default;

    const std::vector<T>& records() const { return records_; }
    // Marks the buffer changed: the next draw that uses it uploads it.
    std::vector<T>& records_mut() {
        changed_ = true;
        return records_;
    }

    std::size_t record_count() const override { return records_.size(); }
    std::size_t record_size() const override { return sizeof(T); }
    std::span<const VertexAttribute> attributes() const override { return ATTRIBUTES; }

private:
    VertexBuffer(OvraHandle context, std::vector<T> records, ovra_raw::Enum usage)
        : VertexBufferBase(std::move(context), usage), records_(std::move(records)) {
        upload();
    }
    const void* record_data() const override { return records_.data(); }
    std::size_t record_capacity() const override { return records_.capacity(); }

    std::vector<T> records_;
};

}  // namespace ovra
