#include "tarnwick/net/buffered_writer.hpp"

namespace tarnwick::net {

namespace {

struct ClearOnExit {
    std::vector<std::byte>& buffer;
    ~ClearOnExit() { buffer.clear(); }
};

}  // namespace

BufferedWriter::BufferedWriter(std::unique_ptr<pakko::Writer> inner) : inner_(std::move(inner)) {}

void BufferedWriter::write_all(std::span<const std::byte> bytes) {
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
}

void BufferedWriter::flush() {
    {
        const ClearOnExit clear{buffer_};
        if (!buffer_.empty()) {
            inner_->write_all(buffer_);
        }
    }
    inner_->flush();
}

}  // namespace tarnwick::net
