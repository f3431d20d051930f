#include <gtest/gtest.h>

#include <random>

#include "base/ZlibStream.h"

namespace {

std::vector<std::byte> Sample(size_t size)
{
    std::vector<std::byte> bytes(size);
    std::mt19937 random(7);
    // Half noise, half runs: both deflate paths, and several 4096-byte buffers.
    for (size_t i = 0; i < size; ++i) bytes[i] = std::byte(i % 2000 < 1000 ? random() & 0xFF : i / 64);
    return bytes;
}

TMemoryStream Compressed(const std::vector<std::byte>& bytes, TCompressionLevel level = TCompressionLevel::Max)
{
    TMemoryStream target;
    TCompressionStream deflater(level, target);
    deflater.WriteBuffer(bytes.data(), bytes.size());
    deflater.Finish();
    return target;
}

std::string MessageOf(auto&& action)
{
    try {
        action();
    } catch (const EZlibError& error) {
        return error.Message();
    }
    return "no error";
}

} // namespace

TEST(ZlibStream, RoundTripsThroughOddSizedReadsAtEveryLevel)
{
    const auto bytes = Sample(50000);
    for (auto level : {TCompressionLevel::None, TCompressionLevel::Fastest, TCompressionLevel::Default,
                       TCompressionLevel::Max}) {
        TMemoryStream packed = Compressed(bytes, level);
        if (level == TCompressionLevel::Max) {
            EXPECT_EQ(packed.Bytes()[0], std::byte{0x78});
            EXPECT_EQ(packed.Bytes()[1], std::byte{0xDA});
        }
        packed.SetPosition(0);
        TDecompressionStream inflater(packed);
        std::vector<std::byte> out(bytes.size() + 10);
        size_t got = 0;
        while (size_t n = inflater.Read(out.data() + got, std::min<size_t>(777, out.size() - got))) got += n;
        EXPECT_EQ(got, bytes.size());
        EXPECT_TRUE(inflater.Ended());
        out.resize(got);
        EXPECT_EQ(out, bytes);
    }
}

TEST(ZlibStream, CompressorCountsInputAndRefusesEverythingButThePositionQuery)
{
    TMemoryStream target;
    TCompressionStream deflater(TCompressionLevel::Default, target);
    deflater.WriteBuffer("abcdef", 6);
    EXPECT_EQ(deflater.Seek(0, TStream::FromCurrent), 6);
    char c;
    EXPECT_EQ(MessageOf([&] { deflater.Read(&c, 1); }), "Invalid stream operation");
    EXPECT_EQ(MessageOf([&] { deflater.Seek(1, TStream::FromCurrent); }), "Invalid stream operation");
    EXPECT_EQ(MessageOf([&] { deflater.Seek(0, TStream::FromBeginning); }), "Invalid stream operation");
}

TEST(ZlibStream, DecompressorSeeksToTheStartOrForwardOnly)
{
    const auto bytes = Sample(20000);
    TMemoryStream packed = Compressed(bytes);
    packed.SetPosition(0);
    TDecompressionStream inflater(packed);
    EXPECT_EQ(inflater.Seek(10000, TStream::FromBeginning), 10000);
    std::byte b;
    inflater.ReadBuffer(&b, 1);
    EXPECT_EQ(b, bytes[10000]);
    EXPECT_EQ(inflater.Seek(99, TStream::FromCurrent), 10100);
    EXPECT_EQ(MessageOf([&] { inflater.Seek(5, TStream::FromBeginning); }), "Invalid stream operation");
    EXPECT_EQ(MessageOf([&] { inflater.Seek(0, TStream::FromEnd); }), "Invalid stream operation");
    EXPECT_EQ(MessageOf([&] { inflater.Write(&b, 1); }), "Invalid stream operation");
    EXPECT_EQ(inflater.Seek(0, TStream::FromBeginning), 0);
    inflater.ReadBuffer(&b, 1);
    EXPECT_EQ(b, bytes[0]);
}

TEST(ZlibStream, RestoresTheUnderlyingPositionSoOthersMayMoveIt)
{
    const auto bytes = Sample(30000);
    TMemoryStream packed = Compressed(bytes);
    packed.SetPosition(0);
    TDecompressionStream inflater(packed);
    std::vector<std::byte> out(bytes.size());
    size_t got = 0;
    while (size_t n = inflater.Read(out.data() + got, std::min<size_t>(5000, out.size() - got))) {
        got += n;
        packed.SetPosition(3); // someone else uses the stream in between
    }
    EXPECT_EQ(out, bytes);
}

TEST(ZlibStream, DamagedDataRaisesAndCutDataEndsShort)
{
    const auto bytes = Sample(20000);
    TMemoryStream packed = Compressed(bytes);
    std::vector<std::byte> damaged = packed.Bytes();
    for (size_t i = 100; i < 140; ++i) damaged[i] ^= std::byte{0x5A};
    TMemoryStream source;
    source.WriteBuffer(damaged.data(), damaged.size());
    source.SetPosition(0);
    std::vector<std::byte> out(bytes.size());
    EXPECT_EQ(MessageOf([&] {
                  TDecompressionStream inflater(source);
                  while (inflater.Read(out.data(), out.size())) {
                  }
              }),
              "compression error");

    TMemoryStream cut;
    cut.WriteBuffer(packed.Bytes().data(), packed.Bytes().size() / 2);
    cut.SetPosition(0);
    TDecompressionStream inflater(cut);
    const size_t got = inflater.Read(out.data(), out.size());
    EXPECT_LT(got, bytes.size());
    EXPECT_FALSE(inflater.Ended());
}

TEST(ZlibStream, InflateAllGrowsPastItsGuessAndRejectsDamage)
{
    // Zeros pack far beyond the first guess of the output size.
    const std::vector<std::byte> zeros(4 << 20);
    TMemoryStream packed = Compressed(zeros);
    const ByteBuffer out = InflateAll(packed.Bytes());
    EXPECT_EQ(out.size(), zeros.size());
    EXPECT_TRUE(std::ranges::equal(out, zeros));

    const auto bytes = Sample(20000);
    TMemoryStream sample = Compressed(bytes);
    const std::span<const std::byte> all = sample.Bytes();
    EXPECT_EQ(MessageOf([&] { InflateAll(all.first(all.size() / 2)); }), "compression error");
    EXPECT_EQ(MessageOf([&] { InflateAll(all.first(all.size() - 1)); }), "compression error"); // checksum cut
    std::vector<std::byte> damaged(all.begin(), all.end());
    damaged[damaged.size() - 2] ^= std::byte{1}; // checksum wrong
    EXPECT_EQ(MessageOf([&] { InflateAll(damaged); }), "compression error");
    EXPECT_EQ(MessageOf([&] { InflateAll({}); }), "compression error");
}
