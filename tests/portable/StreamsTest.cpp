// Memory and file streams: short reads, exact reads that fail loudly,
// seeking, and copying between streams.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/portable/Exception.h"
#include "platform/portable/Streams.h"

namespace {

TEST(Streams, MemoryStreamReadsShortAtTheEndAndReadBufferRefuses) {
    TMemoryStream s({1, 2, 3});
    std::uint8_t buf[4] = {};
    EXPECT_EQ(s.Read(buf, 2), 2u);
    EXPECT_EQ(s.Read(buf, 4), 1u);
    EXPECT_EQ(buf[0], 3);
    EXPECT_EQ(s.Read(buf, 4), 0u);
    s.SetPosition(1);
    try {
        s.ReadBuffer(buf, 3);
        FAIL() << "read past the end";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Invalid stream operation");
    }
}

TEST(Streams, MemoryStreamWritesPastTheEndFillingTheGapWithZeros) {
    TMemoryStream s;
    s.Seek(3, TSeekOrigin::soBeginning);
    std::uint8_t b = 9;
    s.WriteBuffer(&b, 1);
    EXPECT_EQ(s.Bytes(), (std::vector<std::uint8_t>{0, 0, 0, 9}));
    EXPECT_EQ(s.Seek(-1, TSeekOrigin::soEnd), 3);
    EXPECT_THROW(s.Seek(-5, TSeekOrigin::soCurrent), Exception);
    s.SetSize(2);
    EXPECT_EQ(s.GetPosition(), 2);
}

TEST(Streams, FileStreamRoundTripAndCopy) {
    std::string name = testing::TempDir() + "rdz_stream_test.bin";
    {
        TFileStream out(name, TFileMode::fmCreate);
        TMemoryStream source({5, 6, 7, 8});
        EXPECT_EQ(out.CopyFrom(source, 0), 4);
    }
    TFileStream in(name, TFileMode::fmOpenRead);
    EXPECT_EQ(in.GetSize(), 4);
    TMemoryStream copy;
    in.Seek(1, TSeekOrigin::soBeginning);
    EXPECT_EQ(copy.CopyFrom(in, 2), 2);
    EXPECT_EQ(copy.Bytes(), (std::vector<std::uint8_t>{6, 7}));
    EXPECT_THROW(copy.CopyFrom(in, 5), Exception) << "only one byte is left";
    std::remove(name.c_str());
    EXPECT_THROW(TFileStream(testing::TempDir() + "no/such/dir/file", TFileMode::fmOpenRead), Exception);
}

}  // namespace
