#pragma once
// Holds written bytes until flush and hands them on in one piece, so that a
// message is either sent whole or not at all.
#include <cstddef>
#include <memory>
#include <span>
#include <vector>

#include <pakko/io.hpp>

namespace tarnwick::net {

class BufferedWriter final : public pakko::Writer {
public:
    explicit BufferedWriter(std::unique_ptr<pakko::Writer> inner);

    // Only buffers; nothing reaches the inner writer before flush.
    void write_all(std::span<const std::byte> bytes) override;

    // Hands the buffered bytes on in one write, then flushes the inner writer.
    // The buffer is emptied even when that fails: how much of it went out is
    // unknown, so sending it again could only garble the stream.
    void flush() override;

    // Runs `encode` on this writer; if it throws, the bytes it wrote are taken
    // back, so a message that cannot be encoded sends nothing.
    template <class Encode>
    void write_message(Encode&& encode) {
        const std::size_t mark = buffer_.size();
        try {
            encode(static_cast<pakko::Writer&>(*this));
        } catch (...) {
            buffer_.resize(mark);
            throw;
        }
    }

    std::size_t buffered() const noexcept { return buffer_.size(); }
    pakko::Writer& inner() noexcept { return *inner_; }

    // Unflushed bytes are dropped on destruction, never sent implicitly.
    ~BufferedWriter() override = default;

private:
    std::unique_ptr<pakko::Writer> inner_;
    std::vector<std::byte> buffer_;
};

}  // namespace tarnwick::net
