#pragma once
// A reader that lets a player program send only so much before its budget is
// renewed. Counts in a message come from the client and are backed by real
// bytes, and each decoded entry costs the runner many times its bytes: the
// bytes are what can be bounded.
#include <cstddef>
#include <memory>
#include <span>

#include <pakko/io.hpp>

namespace tarnwick::player {

class BoundedReader final : public pakko::Reader {
public:
    BoundedReader(std::unique_ptr<pakko::Reader> inner, std::size_t budget);

    // Throws pakko::IoError, also when the read would go past the budget;
    // then nothing is read.
    void read_exact(std::span<std::byte> out) override;

    // The whole budget again, for the next request.
    void renew() { left_ = budget_; }

    // Hands the inner reader back, without a bound.
    std::unique_ptr<pakko::Reader> release() { return std::move(inner_); }

private:
    std::unique_ptr<pakko::Reader> inner_;
    std::size_t budget_;
    std::size_t left_;
};

}  // namespace tarnwick::player
