#include "tarnwick/net/buffered_reader.hpp"

#include <algorithm>
#include <cstring>

namespace tarnwick::net {

BufferedReader::BufferedReader(TcpStream stream, std::size_t capacity)
    : stream_(std::move(stream)), buffer_(std::max<std::size_t>(capacity, 1)) {}

void BufferedReader::read_through(std::span<std::byte> out) {
    while (!out.empty()) {
        if (begin_ == end_) {
            // A request at least as large as the buffer gains nothing from it.
            if (out.size() >= buffer_.size()) {
                stream_.read_exact(out);
                return;
            }
            begin_ = 0;
            end_ = stream_.read_some(buffer_);
            if (end_ == 0) {
                throw pakko::IoError(pakko::ErrorKind::UnexpectedEof, "failed to fill whole buffer");
            }
        }
        const std::size_t count = std::min(out.size(), end_ - begin_);
        std::memcpy(out.data(), buffer_.data() + begin_, count);
        begin_ += count;
        out = out.subspan(count);
    }
}

}  // namespace tarnwick::net
