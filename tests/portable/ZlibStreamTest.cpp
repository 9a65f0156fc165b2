#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/portable/Exception.h"
#include "skin/data/portable/ZlibStream.h"
#include "tests/support/ErrorOf.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// Data that compresses but not trivially: runs mixed with a counter.
Bytes SampleData(std::size_t size) {
    Bytes data(size);
    for (std::size_t i = 0; i < size; ++i)
        data[i] = std::uint8_t((i / 7) % 13 == 0 ? i * 31 : i % 5);
    return data;
}

TEST(ZlibStream, PackagesStartWith78DAAndInflateToTheSameBytes) {
    Bytes data = SampleData(100000);  // many 4096-byte output buffers
    Bytes packed;
    {
        TbsCompressionStream stream(packed);
        // Uneven slices: the compressor takes input in any amount.
        for (std::size_t at = 0; at < data.size();) {
            std::size_t n = std::min<std::size_t>(1 + at % 5000, data.size() - at);
            stream.Write(data.data() + at, n);
            at += n;
        }
        EXPECT_EQ(stream.BytesIn(), data.size());
        EXPECT_EQ(stream.Seek(0, soCurrent), std::int64_t(data.size()));
    }  // the destructor finishes the stream
    ASSERT_GE(packed.size(), 6u);
    EXPECT_EQ(packed[0], 0x78);
    EXPECT_EQ(packed[1], 0xDA);
    EXPECT_EQ(DecompressBytes(packed.data(), packed.size()), data);
}

TEST(ZlibStream, EmptyInputMakesAValidEmptyStream) {
    Bytes packed = CompressBytes(nullptr, 0);
    EXPECT_EQ(packed[0], 0x78);
    EXPECT_TRUE(DecompressBytes(packed.data(), packed.size()).empty());
}

TEST(ZlibStream, ReadsInAnyPieceSizeAndGivesZeroOnceExhausted) {
    Bytes data = SampleData(20000);
    Bytes packed = CompressBytes(data.data(), data.size());
    TbsDecompressionStream stream(packed.data(), packed.size());
    Bytes out;
    std::uint8_t buffer[777];
    for (;;) {
        std::size_t got = stream.Read(buffer, sizeof buffer);
        out.insert(out.end(), buffer, buffer + got);
        if (got < sizeof buffer)
            break;
    }
    EXPECT_EQ(out, data);
    EXPECT_EQ(stream.Read(buffer, sizeof buffer), 0u);
    EXPECT_EQ(stream.Position(), data.size());
}

TEST(ZlibStream, RestartAndSkipForwardGiveTheRightBytes) {
    Bytes data = SampleData(30000);
    Bytes packed = CompressBytes(data.data(), data.size());
    TbsDecompressionStream stream(packed.data(), packed.size());
    std::uint8_t buffer[100];
    ASSERT_EQ(stream.Read(buffer, 100), 100u);

    EXPECT_EQ(stream.Seek(12345, soCurrent), 12445);
    ASSERT_EQ(stream.Read(buffer, 100), 100u);
    EXPECT_EQ(0, std::memcmp(buffer, data.data() + 12445, 100));

    EXPECT_EQ(stream.Seek(0, soBeginning), 0);
    ASSERT_EQ(stream.Read(buffer, 100), 100u);
    EXPECT_EQ(0, std::memcmp(buffer, data.data(), 100));

    // Skipping past the end stops at the end.
    EXPECT_EQ(stream.Seek(1 << 20, soCurrent), std::int64_t(data.size()));
}

TEST(ZlibStream, OneWayStreamsRefuseTheOtherDirectionAndOtherSeeks) {
    Bytes target;
    TbsCompressionStream compressor(target);
    std::uint8_t byte = 0;
    EXPECT_EQ(ErrorOf([&] { compressor.Read(&byte, 1); }), "Invalid stream operation");
    EXPECT_EQ(ErrorOf([&] { compressor.Seek(0, soBeginning); }), "Invalid stream operation");
    EXPECT_EQ(ErrorOf([&] { compressor.Seek(1, soCurrent); }), "Invalid stream operation");
    compressor.Finish();
    EXPECT_EQ(ErrorOf([&] { compressor.Write(&byte, 1); }), "Invalid stream operation");

    Bytes packed = CompressBytes(&byte, 1);
    TbsDecompressionStream decompressor(packed.data(), packed.size());
    EXPECT_EQ(ErrorOf([&] { decompressor.Write(&byte, 1); }), "Invalid stream operation");
    EXPECT_EQ(ErrorOf([&] { decompressor.Seek(0, soEnd); }), "Invalid stream operation");
    EXPECT_EQ(ErrorOf([&] { decompressor.Seek(-1, soCurrent); }), "Invalid stream operation");
    EXPECT_EQ(ErrorOf([&] { decompressor.Seek(5, soBeginning); }), "Invalid stream operation");
}

// A package cut anywhere, even inside the 4-byte Adler-32 trailer, must not
// read as a shorter package.
TEST(ZlibStream, TruncatedStreamRaisesCompressionErrorAtEveryCut) {
    Bytes data = SampleData(9000);
    Bytes packed = CompressBytes(data.data(), data.size());
    for (std::size_t cut : {std::size_t(0), std::size_t(1), std::size_t(2), packed.size() / 2, packed.size() - 5,
                            packed.size() - 4, packed.size() - 1}) {
        EXPECT_EQ(ErrorOf([&] { DecompressBytes(packed.data(), cut); }), "compression error") << "cut at " << cut;
    }
}

// The whole-buffer helpers hand zlib the whole source at once, the stream
// 4096 bytes at a time by default: any piece size gives the same bytes and
// finds the same cuts, trailer included.
TEST(ZlibStream, AnyPieceSizeGivesTheSameBytesAndCatchesTheSameCuts) {
    Bytes data = SampleData(20000);
    Bytes packed = CompressBytes(data.data(), data.size());
    auto inflateAll = [&](std::size_t size, std::size_t pieceSize) {
        TbsDecompressionStream stream(packed.data(), size, pieceSize);
        Bytes out(data.size() + 1);
        out.resize(stream.Read(out.data(), out.size()));
        return out;
    };
    for (std::size_t pieceSize : {std::size_t(0), std::size_t(1), std::size_t(7), TbsDecompressionStream::PieceSize,
                                  packed.size(), std::size_t(-1)}) {
        EXPECT_EQ(inflateAll(packed.size(), pieceSize), data) << "pieces of " << pieceSize;
        for (std::size_t cut : {packed.size() / 3, packed.size() - 4, packed.size() - 1})
            EXPECT_EQ(ErrorOf([&] { inflateAll(cut, pieceSize); }), "compression error")
                << "pieces of " << pieceSize << ", cut at " << cut;
    }
    const TInflatedBytes whole = DecompressToBuffer(packed.data(), packed.size());
    EXPECT_EQ(Bytes(whole.Data.get(), whole.Data.get() + whole.Size), data);
    EXPECT_EQ(ErrorOf([&] { DecompressToBuffer(packed.data(), packed.size() - 1); }), "compression error");
}

TEST(ZlibStream, WrongChecksumOrCorruptDataRaisesCompressionError) {
    Bytes data = SampleData(5000);
    Bytes packed = CompressBytes(data.data(), data.size());

    Bytes badTrailer = packed;
    badTrailer.back() ^= 0x01;
    EXPECT_EQ(ErrorOf([&] { DecompressBytes(badTrailer.data(), badTrailer.size()); }), "compression error");

    Bytes badHeader = packed;
    badHeader[0] = 0x12;
    EXPECT_EQ(ErrorOf([&] { DecompressBytes(badHeader.data(), badHeader.size()); }), "compression error");

    Bytes garbage(300, 0xFF);
    EXPECT_EQ(ErrorOf([&] { DecompressBytes(garbage.data(), garbage.size()); }), "compression error");
}

TEST(ZlibStream, OutputPastTheLimitIsRefused) {
    Bytes zeros(1 << 20, 0);  // a megabyte of zeros deflates to about a kilobyte
    Bytes packed = CompressBytes(zeros.data(), zeros.size());
    EXPECT_EQ(DecompressBytes(packed.data(), packed.size(), zeros.size()).size(), zeros.size());
    EXPECT_EQ(ErrorOf([&] { DecompressBytes(packed.data(), packed.size(), zeros.size() - 1); }),
              "compression error");
    EXPECT_EQ(ErrorOf([&] { DecompressToBuffer(packed.data(), packed.size(), zeros.size() - 1); }),
              "compression error");
}

// The output outgrows the first guess several times over; every byte
// written before each growth must survive it.
TEST(ZlibStream, UnfilledBufferGrowsAndKeepsEveryByte) {
    Bytes data(2 << 20);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = std::uint8_t((i / 1000) % 7);
    for (std::size_t i = 0; i < data.size(); i += 4096)
        data[i] = std::uint8_t(i >> 12);  // marks that show a lost or shifted piece
    Bytes packed = CompressBytes(data.data(), data.size());
    ASSERT_LT(packed.size() * 32, data.size());  // more than the first guess holds
    TInflatedBytes out = DecompressToBuffer(packed.data(), packed.size());
    ASSERT_EQ(out.Size, data.size());
    EXPECT_TRUE(std::equal(data.begin(), data.end(), out.Data.get()));
    EXPECT_EQ(DecompressBytes(packed.data(), packed.size()), data);
}

}  // namespace
