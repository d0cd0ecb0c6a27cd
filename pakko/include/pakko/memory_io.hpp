#pragma once
// In-memory byte sources and sinks. Messages are encoded into a VecWriter and
// handed to their destination whole, so a failing value never leaves half a
// message behind on a connection.
#include <cstddef>
#include <cstring>
#include <span>
#include <vector>

#include "pakko/io.hpp"

namespace pakko {

[[noreturn]] void throw_unexpected_eof();

class MemoryReader final : public Reader {
public:
    explicit MemoryReader(std::span<const std::byte> bytes) : bytes_(bytes) {}

    void read_exact(std::span<std::byte> out) override {
        if (out.size() > bytes_.size() - position_) throw_unexpected_eof();
        if (!out.empty()) std::memcpy(out.data(), bytes_.data() + position_, out.size());
        position_ += out.size();
    }

    std::size_t position() const noexcept { return position_; }
    std::size_t remaining() const noexcept { return bytes_.size() - position_; }

private:
    std::span<const std::byte> bytes_;
    std::size_t position_ = 0;
};

class VecWriter final : public Writer {
public:
    VecWriter() = default;
    // Appends to `out`, which must outlive the writer.
    explicit VecWriter(std::vector<std::byte>& out) : out_(&out) {}
    VecWriter(const VecWriter&) = delete;
    VecWriter& operator=(const VecWriter&) = delete;

    void write_all(std::span<const std::byte> bytes) override {
        // The 1- and 4-byte writes that dominate encoding take the inlined
        // push_back path; longer ones grow once and copy.
        if (bytes.size() <= 8) {
            for (std::byte b : bytes) out_->push_back(b);
            return;
        }
        out_->insert(out_->end(), bytes.begin(), bytes.end());
    }

    std::vector<std::byte>& bytes() noexcept { return *out_; }
    const std::vector<std::byte>& bytes() const noexcept { return *out_; }
    std::vector<std::byte> take() noexcept { return std::move(*out_); }

private:
    std::vector<std::byte> own_;
    std::vector<std::byte>* out_ = &own_;
};

}  // namespace pakko
