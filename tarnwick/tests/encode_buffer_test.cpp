#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

#include <pakko/pakko.hpp>

#include "tarnwick/player/encode_buffer.hpp"

namespace {

using tarnwick::player::EncodeBuffer;

std::vector<std::byte> pattern(std::size_t size, int seed) {
    std::vector<std::byte> bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::byte>((i * 31 + seed) & 0xff);
    return bytes;
}

std::vector<std::byte> contents(const EncodeBuffer& buffer) {
    return {buffer.bytes().begin(), buffer.bytes().end()};
}

// Writes of every size, across several growths of the storage in the middle
// of one message, keep what came before them.
TEST(EncodeBuffer, KeepsEveryByteAcrossGrowthAndStartsAfreshAfterClear) {
    EncodeBuffer buffer;
    EXPECT_TRUE(buffer.bytes().empty());
    std::vector<std::byte> expected;
    for (std::size_t size : {1, 4, 0, 9, 4, 1, 300, 4, 5000, 1}) {
        const auto piece = pattern(size, static_cast<int>(expected.size()));
        buffer.write_all(piece);
        expected.insert(expected.end(), piece.begin(), piece.end());
        ASSERT_EQ(contents(buffer), expected) << "after a write of " << size << " bytes";
    }
    buffer.clear();
    EXPECT_TRUE(buffer.bytes().empty());
    const auto next = pattern(12, 7);
    buffer.write_all(next);
    EXPECT_EQ(contents(buffer), next);
}

// The appender keeps its own place: what it and the buffer write in turn,
// across growths in the middle of a run, lands in order, and a run that
// throws leaves every byte written before the throw.
TEST(EncodeBuffer, AppendedRunsInterleaveWithWritesAcrossGrowthAndSurviveAThrow) {
    EncodeBuffer buffer;
    std::vector<std::byte> expected;
    const auto add = [&](pakko::Writer& writer, std::size_t size) {
        const auto piece = pattern(size, static_cast<int>(expected.size()));
        writer.write_all(piece);
        expected.insert(expected.end(), piece.begin(), piece.end());
    };
    add(buffer, 3);
    buffer.append([&](pakko::Writer& writer) {
        for (std::size_t size : {1, 4, 0, 700, 4, 1, 9000, 4}) add(writer, size);
    });
    EXPECT_EQ(contents(buffer), expected);
    add(buffer, 5);
    EXPECT_THROW(buffer.append([&](pakko::Writer& writer) {
        add(writer, 20000);
        add(writer, 4);
        throw std::runtime_error("stopped midway");
    }),
                 std::runtime_error);
    EXPECT_EQ(contents(buffer), expected);
    buffer.clear();
    buffer.append([&](pakko::Writer& writer) { writer.write_all(pattern(6, 2)); });
    EXPECT_EQ(contents(buffer), pattern(6, 2));
}

// Values checked for room once each give the bytes writing them field by
// field gives, also where the buffer grows between them; one that fails a
// range check halfway leaves the message as it was before it.
TEST(EncodeBuffer, BoundedValuesWriteTheirUsualBytesAcrossGrowthAndFailWhole) {
    using Value = std::pair<std::uint64_t, std::optional<std::int32_t>>;
    static_assert(pakko::max_encoded_size<Value>() == 9);
    std::vector<Value> values;
    for (std::int32_t i = 0; i < 3000; ++i) {
        values.emplace_back(static_cast<std::uint64_t>(i) * 7, i % 3 == 0 ? std::nullopt : std::optional(-i));
    }
    EncodeBuffer buffer;
    buffer.append([&](auto& writer) {
        for (const Value& value : values) writer.write_value(value);
    });
    std::vector<std::byte> expected;
    for (const Value& value : values) {
        const auto bytes = pakko::to_bytes(value);
        expected.insert(expected.end(), bytes.begin(), bytes.end());
    }
    EXPECT_EQ(contents(buffer), expected);
    EXPECT_ANY_THROW(buffer.append([](auto& writer) {
        writer.write_value(Value{pakko::MAX_SIZE_VALUE + 1, std::optional(5)});
    }));
    EXPECT_EQ(contents(buffer), expected);
}

TEST(EncodeBuffer, AMovedFromBufferIsEmptyAndStillUsable) {
    EncodeBuffer source;
    const auto message = pattern(100, 1);
    source.write_all(message);
    EncodeBuffer target(std::move(source));
    EXPECT_EQ(contents(target), message);
    EXPECT_TRUE(source.bytes().empty());  // NOLINT(bugprone-use-after-move): the moved-from state is the point
    source.write_all(message);
    EXPECT_EQ(contents(source), message);
    target = std::move(source);
    EXPECT_EQ(contents(target), message);
}

}  // namespace
