#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include <kimbly/future_ext.hpp>
#include <kimbly/panic.hpp>
#include <stb_image_write.h>
#include <test_support/log_capture.hpp>
#include <test_support/panic_message.hpp>
#include <vindle/testing/asset_fixture.hpp>

#include "asset_job.hpp"

namespace {

using asset_test::FakeEngine;
using asset_test::Folder;
using asset_test::wait;
using vindle::asset::AssetError;
using vindle::asset::AssetResult;
using vindle::asset::LoadAsset;

const std::string NO_SUCH_FILE = "No such file or directory (os error 2)";

std::string text_error(const std::string& path) {
    FakeEngine engine;
    auto future = LoadAsset<std::string>::load(engine, path);
    auto result = wait(*future);
    EXPECT_FALSE(result.ok());
    return result.ok() ? "" : result.error().what();
}

TEST(TextAsset, LoadsTheWholeFile) {
    Folder folder;
    FakeEngine engine;
    std::string text = "first line\nzweite Zeile \xc3\xa4\n";
    auto future = LoadAsset<std::string>::load(engine, folder.write("a.txt", text));
    EXPECT_EQ(wait(*future).take(), text);
}

TEST(TextAsset, ErrorsAreTheSystemsWithoutThePath) {
    Folder folder;
    EXPECT_EQ(text_error(folder.path("missing.txt")), NO_SUCH_FILE);
    EXPECT_EQ(text_error(folder.write("bad.txt", "ok \xff\xfe then")), "invalid UTF-8 sequence starting at byte index 3");
    EXPECT_EQ(text_error(folder.write("cut.txt", "cut \xe2\x82")), "invalid UTF-8 sequence starting at byte index 4");
}

TEST(TextAsset, LogsTheQuotedPath) {
    IN_CHILD_WITH_LOG(kimbly::logger::LevelFilter::Info, [] {
        Folder folder;
        FakeEngine engine;
        auto future = LoadAsset<std::string>::load(engine, folder.write("say \"hi\".txt", "hi"));
        wait(*future);
        EXPECT_EQ(test_support::LogCapture::records("vindle::asset::_impl"),
                  std::vector<std::string>{"INFO Loading \"" + folder.path("say \\\"hi\\\".txt") + "\""});
    });
}

// A small image of `channels` bytes a pixel, written as PNG.
std::string write_png(const Folder& folder, const std::string& name, int channels,
                      const std::vector<std::uint8_t>& pixels) {
    std::string path = folder.path(name);
    int width = static_cast<int>(pixels.size()) / channels / 2;
    EXPECT_NE(stbi_write_png(path.c_str(), width, 2, channels, pixels.data(), width * channels), 0);
    return path;
}

TEST(TextureAsset, EveryImageIsUploadedAsRgba8) {
    struct Case {
        const char* name;
        int channels;
        std::vector<std::uint8_t> pixels;  // 2 rows
        std::vector<std::uint8_t> rgba;
    };
    const Case cases[] = {
        {"rgb.png", 3, {10, 20, 30, 40, 50, 60}, {10, 20, 30, 255, 40, 50, 60, 255}},
        {"rgba.png", 4, {1, 2, 3, 4, 5, 6, 7, 8}, {1, 2, 3, 4, 5, 6, 7, 8}},
        {"grey.png", 1, {0, 200}, {0, 0, 0, 255, 200, 200, 200, 255}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Folder folder;
        FakeEngine engine;
        auto future = LoadAsset<ovra::Texture2d>::load(engine, write_png(folder, c.name, c.channels, c.pixels));
        auto texture = wait(*future).take();
        EXPECT_EQ(texture.size(), (kimbly::Vec2Usize{1, 2}));
        ASSERT_EQ(engine.gl->calls_named("tex_image_2d").size(), 1u);
        EXPECT_EQ(engine.gl->uploads.back(), c.rgba);
    }
}

TEST(TextureAsset, AFileThatIsNoImageNamesItsPathAndTheDecodersCause) {
    Folder folder;
    FakeEngine engine;
    const std::string cases[] = {folder.path("missing.png"), folder.write("text.png", "not an image")};
    for (const auto& path : cases) {
        auto result = wait(*LoadAsset<ovra::Texture2d>::load(engine, path));
        ASSERT_FALSE(result.ok());
        EXPECT_EQ(result.error().message(), path);
        ASSERT_EQ(result.error().causes().size(), 1u);
        EXPECT_FALSE(result.error().causes()[0].empty());
    }
    auto missing = wait(*LoadAsset<ovra::Texture2d>::load(engine, cases[0]));
    EXPECT_EQ(missing.error().what(), cases[0] + ": " + NO_SUCH_FILE);
    EXPECT_TRUE(engine.gl->calls_named("tex_image_2d").empty());
}

// Counts the stops reported while it is installed.
std::atomic<int> reported_stops{0};
void count_stop(const kimbly::PanicInfo&) { ++reported_stops; }

TEST(AssetJob, AResultNobodyWaitsForIsDroppedAndTheWorkerLivesOn) {
    Folder folder;
    FakeEngine engine(1);
    std::string path = folder.write("a.txt", "text");
    auto previous = kimbly::set_panic_hook(&count_stop);
    reported_stops = 0;
    for (int i = 0; i < 3; ++i) LoadAsset<std::string>::load(engine, path).reset();
    auto kept = LoadAsset<std::string>::load(engine, path);
    EXPECT_EQ(wait(*kept).take(), "text");
    kimbly::set_panic_hook(previous);
    EXPECT_EQ(reported_stops, 0);
}

TEST(AssetJob, AJobThatEndsWithoutAResultIsCanceled) {
    auto [sender, receiver] = kimbly::future_ext::oneshot<AssetResult<std::string>>();
    vindle::asset::JobFuture<std::string> future(std::move(receiver));
    EXPECT_FALSE(future.poll().has_value());
    { auto gone = std::move(sender); }
    auto result = future.poll();
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->error().what(), std::string("oneshot canceled"));
}

TEST(AssetJob, PollingAfterTheResultIsABrokenInvariant) {
    Folder folder;
    FakeEngine engine;
    auto future = LoadAsset<std::string>::load(engine, folder.write("a.txt", "text"));
    wait(*future);
    EXPECT_EQ(test_support::panic_message([&] { future->poll(); }),
              "asset future polled after it yielded its result");
}

}  // namespace
