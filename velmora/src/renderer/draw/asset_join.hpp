#pragma once
// Pending loads combined into one: a record waits for its parts, all
// together or one after another, and is built from their values in order.
#include <cstddef>
#include <functional>
#include <optional>
#include <tuple>
#include <utility>

#include <kimbly/panic.hpp>
#include <vindle/asset.hpp>

namespace velmora::renderer::assets {

using vindle::asset::AssetError;
using vindle::asset::AssetFuture;
using vindle::asset::AssetFutureBox;
using vindle::asset::AssetResult;

enum class Wait {
    // Every poll polls every unfinished part; once all have a result, the
    // first error in part order wins.
    Together,
    // Only the first unfinished part is polled; an error ends the wait at once.
    InTurn,
};

// The record R built as R{values...} from its parts' values, in order.
template <class R, class... Ts>
class Join final : public AssetFuture<R> {
public:
    Join(Wait wait, std::tuple<AssetFutureBox<Ts>...> parts) : wait_(wait), parts_(std::move(parts)) {}

    std::optional<AssetResult<R>> poll() override {
        if (done_) kimbly::panic("asset future polled after it yielded its result");
        auto result = poll_parts(std::index_sequence_for<Ts...>{});
        done_ = result.has_value();
        return result;
    }

private:
    template <std::size_t... I>
    std::optional<AssetResult<R>> poll_parts(std::index_sequence<I...>) {
        bool complete = wait_ == Wait::InTurn ? ((has_result<I>() && std::get<I>(results_)->ok()) && ...)
                                              : (has_result<I>() & ...);
        auto error = first_error(std::index_sequence<I...>{});
        if (error && (wait_ == Wait::InTurn || complete)) return AssetResult<R>(std::move(*error));
        if (!complete) return std::nullopt;
        return AssetResult<R>(R{std::get<I>(results_)->take()...});
    }

    // Polls part I unless it has its result already.
    template <std::size_t I>
    bool has_result() {
        auto& result = std::get<I>(results_);
        if (!result) {
            // Emplaced, since loaded records can be moved but not assigned.
            if (auto polled = std::get<I>(parts_)->poll()) result.emplace(std::move(*polled));
        }
        return result.has_value();
    }

    template <std::size_t... I>
    std::optional<AssetError> first_error(std::index_sequence<I...>) const {
        std::optional<AssetError> error;
        auto look = [&](const auto& result) {
            if (!error && result && !result->ok()) error = result->error();
        };
        (look(std::get<I>(results_)), ...);
        return error;
    }

    Wait wait_;
    std::tuple<AssetFutureBox<Ts>...> parts_;
    std::tuple<std::optional<AssetResult<Ts>>...> results_;
    bool done_ = false;
};

// The parts are passed already started, so that the caller's braces fix the
// order in which their loads began.
template <class R, class... Ts>
AssetFutureBox<R> join(Wait wait, std::tuple<AssetFutureBox<Ts>...> parts) {
    return std::make_unique<Join<R, Ts...>>(wait, std::move(parts));
}

// A part's value turned into another on the main thread, inside the poll;
// `convert` may fail with an AssetError.
template <class A, class B>
class Then final : public AssetFuture<B> {
public:
    Then(AssetFutureBox<A> part, std::function<AssetResult<B>(AssetResult<A>)> convert)
        : part_(std::move(part)), convert_(std::move(convert)) {}

    std::optional<AssetResult<B>> poll() override {
        auto result = part_->poll();
        if (!result) return std::nullopt;
        return convert_(std::move(*result));
    }

private:
    AssetFutureBox<A> part_;
    std::function<AssetResult<B>(AssetResult<A>)> convert_;
};

template <class B, class A>
AssetFutureBox<B> then(AssetFutureBox<A> part, std::function<AssetResult<B>(AssetResult<A>)> convert) {
    return std::make_unique<Then<A, B>>(std::move(part), std::move(convert));
}

}  // namespace velmora::renderer::assets
