#pragma once
// A load's work on the pool and the future that polls for its result.
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include <kimbly/future_ext.hpp>
#include <kimbly/panic.hpp>

#include "vindle/asset.hpp"

namespace vindle::asset {

// Logs "Loading <quoted path>" (info, target "vindle::asset::_impl").
void log_loading(const std::string& path);

// Polls the one-shot channel of a pool job; a channel closed without a
// result (the job stopped) gives "oneshot canceled".
template <class T>
class JobFuture final : public AssetFuture<T> {
public:
    explicit JobFuture(kimbly::future_ext::Receiver<AssetResult<T>> receiver) : receiver_(std::move(receiver)) {}

    std::optional<AssetResult<T>> poll() override {
        if (done_) kimbly::panic("asset future polled after it yielded its result");
        std::optional<AssetResult<T>> result;
        try {
            result = receiver_.try_recv();
        } catch (const kimbly::future_ext::Canceled& canceled) {
            result.emplace(AssetError(canceled.what()));
        }
        done_ = result.has_value();
        return result;
    }

private:
    kimbly::future_ext::Receiver<AssetResult<T>> receiver_;
    bool done_ = false;
};

// Runs job(path) on the pool. The job reports its failures inside its
// result. When the waiting side has given the load up, the result is dropped
// quietly: nobody wants it, and the worker goes on with its next task.
template <class T>
std::unique_ptr<JobFuture<T>> spawn_load(kimbly::ThreadPool& pool, std::string path,
                                         AssetResult<T> (*job)(const std::string& path)) {
    auto [sender, receiver] = kimbly::future_ext::oneshot<AssetResult<T>>();
    auto task = std::make_shared<std::pair<std::string, kimbly::future_ext::Sender<AssetResult<T>>>>(
        std::move(path), std::move(sender));
    pool.execute([task, job] {
        auto& [path, send] = *task;
        log_loading(path);
        (void)send.send(job(path));
    });
    return std::make_unique<JobFuture<T>>(std::move(receiver));
}

// The system's text of an errno value: "No such file or directory (os error 2)".
std::string os_error_text(int code);

// The whole file as UTF-8 text; errors carry the system's text, not the path.
AssetResult<std::string> read_text(const std::string& path);

// The image at `path` as 8-bit RGBA; errors name the path, caused by the
// decoder's error.
AssetResult<ovra::Image> decode_image(const std::string& path);

}  // namespace vindle::asset
