// zlib streams for skin packages.
//
// A skin package travels as one zlib stream (RFC 1950: two-byte header,
// deflate data, Adler-32 trailer). TbsCompressionStream deflates whatever is
// written to it into a byte target; TbsDecompressionStream inflates a source
// held in memory. Both are one-way: reading a compressor, writing a
// decompressor and every seek they cannot honour raise
// "Invalid stream operation".
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

extern const char* const SInvalidStreamOperation;  // "Invalid stream operation"
extern const char* const SCompressionError;        // "compression error": inflating failed
extern const char* const SDeflateError;            // "error": deflating failed

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

// Deflates at level 9 with a 32 KB window, memory level 8 and the default
// strategy, so its output starts with 78 DA. Output is gathered in a
// 4096-byte buffer that is appended to the target each time it fills;
// Finish (or the destructor) ends the stream and appends the rest.
class TbsCompressionStream {
public:
    static constexpr std::size_t BufferSize = 4096;  // bytes of the output buffer

    explicit TbsCompressionStream(std::vector<std::uint8_t>& target);
    ~TbsCompressionStream();
    TbsCompressionStream(const TbsCompressionStream&) = delete;
    TbsCompressionStream& operator=(const TbsCompressionStream&) = delete;

    void Write(const void* data, std::size_t count);
    // Ends the zlib stream and flushes it to the target; later writes raise
    // "Invalid stream operation". The destructor finishes a stream not yet
    // finished but swallows errors, so call Finish to see them.
    void Finish();
    std::size_t Read(void* buffer, std::size_t count);  // always raises
    // Only asking for the position (offset 0 from soCurrent) is allowed: it
    // gives the number of bytes taken in so far.
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin);
    std::uint64_t BytesIn() const;

private:
    struct TState;
    std::unique_ptr<TState> FState;
    std::vector<std::uint8_t>& FTarget;  // not owned
    bool FFinished = false;

    void Drain(int flush);
};

// Inflates a zlib stream held in memory, handing zlib its source in pieces
// of pieceSize bytes (4096 unless said otherwise). Read returns the bytes
// produced, fewer than asked only at the end of the stream, 0 once it is
// exhausted. A source that ends before the zlib stream does, corrupt data
// and a wrong Adler-32 trailer all raise "compression error".
class TbsDecompressionStream {
public:
    static constexpr std::size_t PieceSize = 4096;  // bytes handed to zlib at a time, by default

    // source not owned; pieceSize 0 is taken as 1
    TbsDecompressionStream(const std::uint8_t* source, std::size_t size, std::size_t pieceSize = PieceSize);
    ~TbsDecompressionStream();
    TbsDecompressionStream(const TbsDecompressionStream&) = delete;
    TbsDecompressionStream& operator=(const TbsDecompressionStream&) = delete;

    std::size_t Read(void* buffer, std::size_t count);
    void Write(const void* data, std::size_t count);  // always raises
    // soBeginning with offset 0 restarts from the start of the source;
    // soCurrent with an offset of 0 or more skips forward by inflating and
    // discarding. Anything else raises "Invalid stream operation".
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin);
    std::uint64_t Position() const { return FPosition; }

private:
    struct TState;
    std::unique_ptr<TState> FState;
    const std::uint8_t* FSource;  // not owned
    std::size_t FSourceSize;
    std::size_t FPieceSize;
    std::size_t FSourcePos = 0;
    std::uint64_t FPosition = 0;  // bytes produced since the start
    bool FEnded = false;

    void Restart();
};

// The largest package the decompressor will produce in one piece: 256 MB,
// about 170 times the size of the game's own skin.
constexpr std::size_t MaxDecompressedSize() { return std::size_t(256) << 20; }

// Compresses a whole buffer with the settings of TbsCompressionStream.
std::vector<std::uint8_t> CompressBytes(const std::uint8_t* data, std::size_t size);

// A whole inflated stream in a buffer that was never zero-filled: for
// callers that only read the result once (the package reader), which saves
// writing every byte twice.
struct TInflatedBytes {
    std::unique_ptr<std::uint8_t[]> Data;
    std::size_t Size = 0;
};
TInflatedBytes DecompressToBuffer(const std::uint8_t* data, std::size_t size,
                                  std::size_t maxSize = MaxDecompressedSize());

// Inflates a whole zlib stream. Output beyond maxSize bytes raises
// "compression error" so a tiny input cannot demand unbounded memory.
std::vector<std::uint8_t> DecompressBytes(const std::uint8_t* data, std::size_t size,
                                          std::size_t maxSize = MaxDecompressedSize());

