#include "tarnwick/player/bounded_reader.hpp"

#include <fmt/format.h>

namespace tarnwick::player {

BoundedReader::BoundedReader(std::unique_ptr<pakko::Reader> inner, std::size_t budget)
    : inner_(std::move(inner)), budget_(budget), left_(budget) {}

void BoundedReader::read_exact(std::span<std::byte> out) {
    if (out.size() > left_) {
        throw pakko::IoError(pakko::ErrorKind::Other,
                             fmt::format("Client sent more than {} bytes in answer to one request", budget_));
    }
    left_ -= out.size();
    inner_->read_exact(out);
}

}  // namespace tarnwick::player
