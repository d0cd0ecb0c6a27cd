#pragma once
// Loads over the recording fake GL, with files in a fresh temporary folder.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

#include <stdlib.h>

#include <gtest/gtest.h>
#include <kimbly/thread_pool.hpp>
#include <ovra/raw/recording_context.hpp>

#include "vindle/asset.hpp"

namespace asset_test {

class FakeEngine final : public vindle::asset::AssetContext {
public:
    explicit FakeEngine(std::size_t workers = 2) : pool_(workers) {
        auto raw = std::make_unique<ovra_raw::RecordingContext>();
        gl = raw.get();
        ovra_ = ovra::Ovra::create_with(std::move(raw));
    }
    kimbly::ThreadPool& thread_pool() override { return pool_; }
    ovra::OvraHandle ovra() override { return ovra_; }

    ovra_raw::RecordingContext* gl;

private:
    ovra::OvraHandle ovra_;
    kimbly::ThreadPool pool_;
};

class Folder {
public:
    Folder() {
        char pattern[] = "/tmp/vindle_asset_XXXXXX";
        root_ = ::mkdtemp(pattern);
    }
    ~Folder() { std::filesystem::remove_all(root_); }

    std::string path(const std::string& name) const { return (root_ / name).string(); }
    std::string write(const std::string& name, const std::string& bytes) const {
        std::ofstream(root_ / name, std::ios::binary) << bytes;
        return path(name);
    }

private:
    std::filesystem::path root_;
};

// Polls as the loading screen does, frame after frame, until the result
// comes; a load that never ends fails the test instead of hanging it.
template <class T>
vindle::asset::AssetResult<T> wait(vindle::asset::AssetFuture<T>& future) {
    for (int frame = 0; frame < 20000; ++frame) {
        if (auto result = future.poll()) return std::move(*result);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ADD_FAILURE() << "the load never completed";
    return vindle::asset::AssetError("never completed");
}

}  // namespace asset_test
