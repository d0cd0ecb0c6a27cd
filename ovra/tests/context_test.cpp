#include <gtest/gtest.h>

#include "fake_gl.hpp"
#include "test_support/log_capture.hpp"
#include "ovra/error.hpp"
#include "test_support/panic_message.hpp"

namespace {

using test_support::panic_message;
using ovra::error::Error;

TEST(GlError, KindsByCode) {
    struct Case {
        std::uint32_t code;
        Error kind;
        std::string_view name;
    };
    const Case cases[] = {
        {1280, Error::InvalidEnum, "InvalidEnum"},
        {1281, Error::InvalidValue, "InvalidValue"},
        {1282, Error::InvalidOperation, "InvalidOperation"},
        {1283, Error::Unknown, "Unknown"},
        {1284, Error::Unknown, "Unknown"},
        {1285, Error::OutOfMemory, "OutOfMemory"},
        {1286, Error::InvalidFramebufferOperation, "InvalidFramebufferOperation"},
        {1287, Error::Unknown, "Unknown"},
        {7, Error::Unknown, "Unknown"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ovra::error::from_code(c.code), c.kind) << c.code;
        EXPECT_EQ(ovra::error::name(c.kind), c.name) << c.code;
    }
    EXPECT_EQ(static_cast<std::uint32_t>(Error::Unknown), 1287u);
}

TEST(Ovra, InitEnablesDepthAndPointSizeAndReadsTheErrorOnce) {
    auto raw = std::make_unique<ovra_raw::RecordingContext>();
    auto* gl = raw.get();
    auto context = ovra::Ovra::create_with(std::move(raw));
    EXPECT_EQ(gl->calls, (std::vector<std::string>{"enable(2929)", "enable(34370)", "pixel_store(3317, 1)",
                                                   "get_error()"}));
    EXPECT_EQ(context->size(), (kimbly::Vec2Usize{1, 1}));
    context->_set_size({640, 480});
    EXPECT_EQ(context->size(), (kimbly::Vec2Usize{640, 480}));
}

TEST(Ovra, AnErrorAtStartStopsWithItsKind) {
    const std::pair<std::uint32_t, std::string> cases[] = {
        {1280, "GL error: InvalidEnum"}, {1283, "GL error: Unknown"}, {1284, "GL error: Unknown"}};
    for (const auto& [code, message] : cases) {
        auto raw = std::make_unique<ovra_raw::RecordingContext>();
        raw->errors = {code};
        EXPECT_EQ(panic_message([&] { ovra::Ovra::create_with(std::move(raw)); }), message);
    }
}

TEST(Ovra, LogsTheVersionOnlyWhenInfoPasses) {
    IN_CHILD_WITH_LOG(kimbly::logger::LevelFilter::Info, [] {
        auto raw = std::make_unique<ovra_raw::RecordingContext>();
        raw->version = "4.5 \"Mesa\"";
        ovra::Ovra::create_with(std::move(raw));
        EXPECT_EQ(test_support::LogCapture::records("ovra::context"),
                  std::vector<std::string>{"INFO GL version: \"4.5 \\\"Mesa\\\"\""});
    });
    IN_CHILD_WITH_LOG(kimbly::logger::LevelFilter::Warn, [] {
        auto raw = std::make_unique<ovra_raw::RecordingContext>();
        auto* gl = raw.get();
        auto context = ovra::Ovra::create_with(std::move(raw));
        EXPECT_TRUE(gl->calls_named("get_version_string").empty());
    });
}

}  // namespace
