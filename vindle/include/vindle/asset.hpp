#pragma once
// Assets loaded without blocking the main thread: files are read and decoded
// on the engine's thread pool, and the result is polled from the main thread
// once per frame. Anything that touches the GL context (making a texture)
// happens inside that poll, on the main thread.
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include <kimbly/thread_pool.hpp>
#include <ovra/context.hpp>
#include <ovra/texture.hpp>

namespace vindle::asset {

// A failed load: a message and the chain of its causes, outermost first.
// what() joins them as "message: cause: cause".
class AssetError : public std::runtime_error {
public:
    explicit AssetError(std::string message, std::vector<std::string> causes = {});
    const std::string& message() const { return message_; }
    const std::vector<std::string>& causes() const { return causes_; }

private:
    std::string message_;
    std::vector<std::string> causes_;
};

// The loaded value or the error that took its place.
template <class T>
class AssetResult {
public:
    AssetResult(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    AssetResult(AssetError error) : state_(std::in_place_index<1>, std::move(error)) {}

    bool ok() const { return state_.index() == 0; }
    T& value() { return std::get<0>(state_); }
    const AssetError& error() const { return std::get<1>(state_); }
    // The value, or the error thrown.
    T take() {
        if (!ok()) throw error();
        return std::move(value());
    }

private:
    std::variant<T, AssetError> state_;
};

// A pending load, kept at one place in memory while it is polled. poll never
// blocks: none while the work goes on, then the result, once. Polling again
// after the result is a broken invariant.
template <class T>
class AssetFuture {
public:
    virtual ~AssetFuture() = default;
    virtual std::optional<AssetResult<T>> poll() = 0;
};

template <class T>
using AssetFutureBox = std::unique_ptr<AssetFuture<T>>;

// What loading needs of the engine context: the pool the jobs run on, and
// the GL context the textures are made in (taken on the main thread).
class AssetContext {
public:
    virtual ~AssetContext() = default;
    virtual kimbly::ThreadPool& thread_pool() = 0;
    virtual ovra::OvraHandle ovra() = 0;
};

// Types loaded from a path, relative to the working directory.
template <class T>
struct LoadAsset;

// The whole file as UTF-8 text. A file that can't be read or is not UTF-8
// gives the system's error, without the path.
template <>
struct LoadAsset<std::string> {
    static AssetFutureBox<std::string> load(AssetContext& context, std::string path);
};

// A texture from an image file, converted to 8-bit RGBA. A file that can't be
// opened or decoded gives an error whose message is the path and whose cause
// is the decoder's.
template <>
struct LoadAsset<ovra::Texture2d> {
    static AssetFutureBox<ovra::Texture2d> load(AssetContext& context, std::string path);
};

}  // namespace vindle::asset
