#pragma once
// Collects one encoded message at a time. Most of a view's bytes come in
// writes of one or four bytes; here each is a bounds check and a copy, not a
// growth check per byte. The storage is kept from message to message and
// only grows, so once the largest message has been seen no tick allocates.
#include <cstddef>
#include <cstring>
#include <memory>
#include <span>
#include <utility>

#include <pakko/binary.hpp>
#include <pakko/bound.hpp>
#include <pakko/io.hpp>

namespace tarnwick::player {

class EncodeBuffer final : public pakko::Writer {
public:
    EncodeBuffer() = default;
    // The source is left empty, never pointing into the storage it gave away.
    EncodeBuffer(EncodeBuffer&& other) noexcept
        : storage_(std::move(other.storage_)),
          end_(std::exchange(other.end_, nullptr)),
          limit_(std::exchange(other.limit_, nullptr)) {}
    EncodeBuffer& operator=(EncodeBuffer&& other) noexcept {
        storage_ = std::move(other.storage_);
        end_ = std::exchange(other.end_, nullptr);
        limit_ = std::exchange(other.limit_, nullptr);
        return *this;
    }

    // Starts the next message; the storage stays.
    void clear() noexcept { end_ = storage_.get(); }

    void write_all(std::span<const std::byte> bytes) override {
        if (bytes.empty()) return;
        if (bytes.size() > static_cast<std::size_t>(limit_ - end_)) grow(bytes.size());
        std::memcpy(end_, bytes.data(), bytes.size());
        end_ += bytes.size();
    }

    // Runs `write(writer)` with a writer that appends to this buffer. A byte
    // stored may alias anything in memory, so the buffer's own end is loaded
    // and stored again around every write; the appender's place is its own,
    // kept in registers over a whole run of small writes. The buffer is
    // whole after each write, also when `write` throws.
    template <class Write>
    void append(Write&& write) {
        Appender appender(*this);
        std::forward<Write>(write)(appender);
    }

    // The message so far; valid until the next write or clear.
    std::span<const std::byte> bytes() const noexcept {
        return {storage_.get(), static_cast<std::size_t>(end_ - storage_.get())};
    }

private:
    class Appender final : public pakko::Writer {
    public:
        explicit Appender(EncodeBuffer& buffer) noexcept
            : buffer_(buffer), end_(buffer.end_), limit_(buffer.limit_) {}
        Appender(const Appender&) = delete;
        Appender& operator=(const Appender&) = delete;

        void write_all(std::span<const std::byte> bytes) override {
            if (bytes.empty()) return;
            if (bytes.size() > static_cast<std::size_t>(limit_ - end_)) make_room(bytes.size());
            std::memcpy(end_, bytes.data(), bytes.size());
            end_ += bytes.size();
            buffer_.end_ = end_;
        }

        // A value of a small bounded size, such as an entity, with one room
        // check for the whole value instead of one per field. What a throwing
        // write leaves past the end is not part of the message.
        template <class T>
        void write_value(const T& value) {
            constexpr std::size_t bound = pakko::max_encoded_size<T>();
            if constexpr (bound == pakko::UNBOUNDED) {
                pakko::write(*this, value);
            } else {
                if (bound > static_cast<std::size_t>(limit_ - end_)) make_room(bound);
                Unchecked unchecked(end_);
                pakko::write(unchecked, value);
                end_ = unchecked.end();
                buffer_.end_ = end_;
            }
        }

    private:
        // Writes where room was made beforehand.
        class Unchecked final : public pakko::Writer {
        public:
            explicit Unchecked(std::byte* end) noexcept : end_(end) {}
            void write_all(std::span<const std::byte> bytes) override {
                std::memcpy(end_, bytes.data(), bytes.size());
                end_ += bytes.size();
            }
            std::byte* end() const noexcept { return end_; }

        private:
            std::byte* end_;
        };


        void make_room(std::size_t more) {
            buffer_.grow(more);
            end_ = buffer_.end_;
            limit_ = buffer_.limit_;
        }

        EncodeBuffer& buffer_;
        std::byte* end_;
        std::byte* limit_;
    };

    void grow(std::size_t more);

    std::unique_ptr<std::byte[]> storage_;
    std::byte* end_ = nullptr;    // one past the message's last byte
    std::byte* limit_ = nullptr;  // one past the storage
};

}  // namespace tarnwick::player
