#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <filesystem>
#include <functional>
#include <limits>

#include <pakko/pakko.hpp>

#include "test_support/bytes.hpp"
#include "stand_ins.hpp"

using test_support::hex;
using test_support::to_hex;

namespace {

using pakko::ErrorKind;
using pakko::IoError;
using namespace stand_in;

struct EncodeCase {
    const char* name;
    std::function<std::vector<std::byte>()> encode;
    const char* bytes;
};

TEST(Binary, EncodesValuesToTheirExactBytes) {
    const EncodeCase cases[] = {
        {"true", [] { return pakko::to_bytes(true); }, "01"},
        {"false", [] { return pakko::to_bytes(false); }, "00"},
        {"int32 -1", [] { return pakko::to_bytes(std::int32_t{-1}); }, "FF FF FF FF"},
        {"largest size value", [] { return pakko::to_bytes(std::uint64_t{2147483647}); }, "FF FF FF 7F"},
        {"float 1.0", [] { return pakko::to_bytes(1.0f); }, "00 00 80 3F"},
        {"empty string", [] { return pakko::to_bytes(std::string()); }, "00 00 00 00"},
        {"abc", [] { return pakko::to_bytes(std::string("abc")); }, "03 00 00 00 61 62 63"},
        {"absent optional", [] { return pakko::to_bytes(std::optional<std::int32_t>()); }, "00"},
        {"optional 5", [] { return pakko::to_bytes(std::optional<std::int32_t>(5)); }, "01 05 00 00 00"},
        {"empty sequence", [] { return pakko::to_bytes(std::vector<UnitKind>()); }, "00 00 00 00"},
        {"empty map", [] { return pakko::to_bytes(std::map<std::uint64_t, Move>()); }, "00 00 00 00"},
        {"empty value", [] { return pakko::to_bytes(std::monostate{}); }, ""},
        {"pair", [] { return pakko::to_bytes(std::pair<std::uint64_t, bool>{7, true}); }, "07 00 00 00 01"},
        {"enumeration", [] { return pakko::to_bytes(UnitKind::K8); }, "08 00 00 00"},
        {"record in declaration order",
         [] { return pakko::to_bytes(Move{{10, 1}, false, true}); },
         "0A 00 00 00 01 00 00 00 00 01"},
        {"one-of with fields", [] { return pakko::to_bytes(Message{Repair{3}}); }, "02 00 00 00 03 00 00 00"},
        {"one-of without fields", [] { return pakko::to_bytes(Message{Finish{}}); }, "01 00 00 00"},
        {"wrapped one-of variant", [] { return pakko::to_bytes(Message{Create{Preset::Finals}}); },
         "03 00 00 00 02 00 00 00"},
        {"map entries key then value",
         [] { return pakko::to_bytes(std::map<std::uint64_t, UnitKind>{{1, UnitKind::K2}}); },
         "01 00 00 00 01 00 00 00 02 00 00 00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(to_hex(c.encode()), to_hex(hex(c.bytes))) << c.name;
    }
}

struct FailCase {
    const char* name;
    const char* bytes;
    std::function<void(std::span<const std::byte>)> decode;
    ErrorKind kind;
    const char* message;  // empty: only the kind is checked
};

template <class T>
std::function<void(std::span<const std::byte>)> decoder() {
    return [](std::span<const std::byte> bytes) { (void)pakko::from_bytes<T>(bytes); };
}

TEST(Binary, RejectsMalformedInputWithItsError) {
    const FailCase cases[] = {
        {"bool 2", "02", decoder<bool>(), ErrorKind::Other, "Bool value should be 0 or 1"},
        {"presence byte 2", "02 05 00 00 00", decoder<std::optional<std::int32_t>>(), ErrorKind::Other,
         "Bool value should be 0 or 1"},
        {"negative size value", "FF FF FF FF", decoder<std::uint64_t>(), ErrorKind::Other, "-1 is invalid value"},
        {"negative count", "FF FF FF FF", decoder<std::vector<bool>>(), ErrorKind::Other, "-1 is invalid value"},
        {"negative tag", "FF FF FF FF", decoder<UnitKind>(), ErrorKind::Other, "Unexpected tag -1"},
        {"tag 10 of ten variants", "0A 00 00 00", decoder<UnitKind>(), ErrorKind::Other, "Unexpected tag 10"},
        {"one-of tag out of range", "04 00 00 00", decoder<Message>(), ErrorKind::Other, "Unexpected tag 4"},
        {"not UTF-8", "02 00 00 00 C3 28", decoder<std::string>(), ErrorKind::InvalidData, ""},
        {"UTF-8 surrogate", "03 00 00 00 ED A0 80", decoder<std::string>(), ErrorKind::InvalidData, ""},
        {"overlong UTF-8", "02 00 00 00 C0 AF", decoder<std::string>(), ErrorKind::InvalidData, ""},
        {"ends inside an integer", "01 02", decoder<std::int32_t>(), ErrorKind::UnexpectedEof,
         "failed to fill whole buffer"},
        {"ends inside a string", "05 00 00 00 61 62", decoder<std::string>(), ErrorKind::UnexpectedEof,
         "failed to fill whole buffer"},
        {"hostile string length", "FF FF FF 7F", decoder<std::string>(), ErrorKind::UnexpectedEof,
         "failed to fill whole buffer"},
        {"hostile element count", "FF FF FF 7F", decoder<std::vector<Move>>(), ErrorKind::UnexpectedEof,
         "failed to fill whole buffer"},
        {"hostile entry count", "FF FF FF 7F", decoder<std::map<std::uint64_t, std::string>>(),
         ErrorKind::UnexpectedEof, "failed to fill whole buffer"},
        {"bytes left over", "01 00", decoder<bool>(), ErrorKind::Other, ""},
    };
    for (const auto& c : cases) {
        auto bytes = hex(c.bytes);
        try {
            c.decode(bytes);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const IoError& error) {
            EXPECT_EQ(error.kind(), c.kind) << c.name;
            if (*c.message) {
                EXPECT_STREQ(error.what(), c.message) << c.name;
            }
        }
    }
}

TEST(Binary, SizeValueAboveRangeFailsAndWritesNothing) {
    std::vector<std::byte> out;
    pakko::VecWriter writer(out);
    try {
        pakko::write(writer, std::uint64_t{2147483648});
        FAIL() << "no error";
    } catch (const IoError& error) {
        EXPECT_EQ(error.kind(), ErrorKind::Other);
        EXPECT_STREQ(error.what(), "2147483648 is invalid value");
    }
    EXPECT_TRUE(out.empty());
}

TEST(Binary, RepeatedMapKeyKeepsTheLaterValue) {
    auto map = pakko::from_bytes<std::map<std::uint64_t, std::int32_t>>(
        hex("02 00 00 00  07 00 00 00 01 00 00 00  07 00 00 00 02 00 00 00"));
    EXPECT_EQ(map, (std::map<std::uint64_t, std::int32_t>{{7, 2}}));
}

TEST(Binary, NonFiniteFloatsRoundTripBitForBit) {
    const float values[] = {std::numeric_limits<float>::quiet_NaN(), -std::numeric_limits<float>::quiet_NaN(),
                            std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(),
                            std::bit_cast<float>(0x7FA00001u)};
    for (float value : values) {
        auto back = pakko::from_bytes<float>(pakko::to_bytes(value));
        EXPECT_EQ(std::bit_cast<std::uint32_t>(back), std::bit_cast<std::uint32_t>(value));
    }
}

Unit sample_unit() {
    return Unit{42, 3, UnitKind::K7, "Строитель", 5.5f, {UnitKind::K1, UnitKind::K9}, {{4, Move{{1, 2}, true, false}}, {9, {}}}};
}

TEST(Binary, NestedRecordRoundTripsAndEveryStrictPrefixEndsEarly) {
    Unit unit = sample_unit();
    auto bytes = pakko::to_bytes(unit);
    EXPECT_EQ(pakko::from_bytes<Unit>(bytes), unit);
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        try {
            (void)pakko::from_bytes<Unit>(std::span(bytes).first(length));
            ADD_FAILURE() << "prefix " << length << " decoded";
        } catch (const IoError& error) {
            EXPECT_EQ(error.kind(), ErrorKind::UnexpectedEof) << "prefix " << length;
        }
    }
}

TEST(Binary, OneOfAlternativesRoundTrip) {
    const Message messages[] = {Message{Move{{-1, 5}, true, true}}, Message{Finish{}}, Message{Repair{2147483647}},
                                Message{Create{Preset::Round2}}};
    for (const auto& message : messages) EXPECT_EQ(pakko::from_bytes<Message>(pakko::to_bytes(message)), message);
}

TEST(Binary, LongStringIsReadInFull) {
    // Longer than one growth step of the reader.
    std::string text(200000, 'x');
    text += "Ω";
    EXPECT_EQ(pakko::from_bytes<std::string>(pakko::to_bytes(text)), text);
}

class FileIo : public ::testing::Test {
protected:
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("pakko_file_io_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                  "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    void TearDown() override { std::filesystem::remove(path); }
};

TEST_F(FileIo, ValuesWrittenThroughASmallBufferReadBack) {
    Unit unit = sample_unit();
    {
        pakko::FileWriter writer(path, 7);
        for (int i = 0; i < 3; ++i) pakko::write(writer, unit);
        writer.flush();
    }
    pakko::FileReader reader(path);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(pakko::read<Unit>(reader), unit);
    EXPECT_TRUE(reader.at_end());
    try {
        (void)pakko::read<bool>(reader);
        FAIL() << "read past the end";
    } catch (const IoError& error) {
        EXPECT_EQ(error.kind(), ErrorKind::UnexpectedEof);
        EXPECT_STREQ(error.what(), "failed to fill whole buffer");
    }
}

TEST_F(FileIo, MissingFileIsNotFound) {
    try {
        pakko::FileReader reader(path / "missing");
        FAIL() << "opened";
    } catch (const IoError& error) {
        EXPECT_EQ(error.kind(), ErrorKind::NotFound);
    }
}

TEST(FileWriterFailure, FlushReportsAFullDevice) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    pakko::FileWriter writer("/dev/full");
    pakko::write(writer, std::string("data"));
    EXPECT_THROW(writer.flush(), IoError);
}

}  // namespace
