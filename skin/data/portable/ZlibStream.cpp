#include "skin/data/portable/ZlibStream.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

#include "platform/portable/Exception.h"

const char* const SInvalidStreamOperation = "Invalid stream operation";
const char* const SCompressionError = "compression error";
const char* const SDeflateError = "error";

namespace {

constexpr int kLevel = 9;
constexpr int kWindowBits = 15;  // 32 KB window, zlib header and Adler-32 trailer
constexpr int kMemLevel = 8;

}  // namespace

// ---- compressor -----------------------------------------------------------

struct TbsCompressionStream::TState {
    z_stream Z{};
    std::uint8_t Buffer[BufferSize];
};

TbsCompressionStream::TbsCompressionStream(std::vector<std::uint8_t>& target)
    : FState(std::make_unique<TState>()), FTarget(target) {
    if (deflateInit2(&FState->Z, kLevel, Z_DEFLATED, kWindowBits, kMemLevel, Z_DEFAULT_STRATEGY) != Z_OK)
        throw Exception(SDeflateError);
    FState->Z.next_out = FState->Buffer;
    FState->Z.avail_out = BufferSize;
}

TbsCompressionStream::~TbsCompressionStream() {
    if (!FFinished) {
        try {
            Finish();
        } catch (...) {
            // A destructor cannot report; callers that care call Finish.
        }
    }
    deflateEnd(&FState->Z);
}

// Runs deflate until it has taken all input (Z_NO_FLUSH) or ended the
// stream (Z_FINISH), appending every full buffer to the target.
void TbsCompressionStream::Drain(int flush) {
    z_stream& z = FState->Z;
    for (;;) {
        int rc = deflate(&z, flush);
        if (rc != Z_OK && rc != Z_STREAM_END && rc != Z_BUF_ERROR)
            throw Exception(SDeflateError);
        if (z.avail_out == 0) {
            FTarget.insert(FTarget.end(), FState->Buffer, FState->Buffer + BufferSize);
            z.next_out = FState->Buffer;
            z.avail_out = BufferSize;
            continue;
        }
        if (flush == Z_FINISH ? rc == Z_STREAM_END : z.avail_in == 0)
            break;
        if (rc == Z_BUF_ERROR)  // no progress possible with room left: zlib is confused
            throw Exception(SDeflateError);
    }
}

void TbsCompressionStream::Write(const void* data, std::size_t count) {
    if (FFinished)
        throw Exception(SInvalidStreamOperation);
    auto* p = static_cast<const Bytef*>(data);
    while (count > 0) {
        // avail_in is 32-bit; feed very large writes in slices.
        uInt slice = uInt(std::min<std::size_t>(count, 1u << 30));
        FState->Z.next_in = const_cast<Bytef*>(p);
        FState->Z.avail_in = slice;
        Drain(Z_NO_FLUSH);
        p += slice;
        count -= slice;
    }
}

void TbsCompressionStream::Finish() {
    if (FFinished)
        return;
    FFinished = true;
    FState->Z.next_in = nullptr;
    FState->Z.avail_in = 0;
    Drain(Z_FINISH);
    FTarget.insert(FTarget.end(), FState->Buffer, FState->Buffer + (BufferSize - FState->Z.avail_out));
    FState->Z.next_out = FState->Buffer;
    FState->Z.avail_out = BufferSize;
}

std::size_t TbsCompressionStream::Read(void*, std::size_t) {
    throw Exception(SInvalidStreamOperation);
}

std::int64_t TbsCompressionStream::Seek(std::int64_t offset, TSeekOrigin origin) {
    if (offset == 0 && origin == soCurrent)
        return std::int64_t(BytesIn());
    throw Exception(SInvalidStreamOperation);
}

std::uint64_t TbsCompressionStream::BytesIn() const {
    return FState->Z.total_in;
}

// ---- decompressor ---------------------------------------------------------

struct TbsDecompressionStream::TState {
    z_stream Z{};
    bool Initialised = false;
};

TbsDecompressionStream::TbsDecompressionStream(const std::uint8_t* source, std::size_t size, std::size_t pieceSize)
    : FState(std::make_unique<TState>()),
      FSource(source),
      FSourceSize(source ? size : 0),
      // zlib counts its input in 32 bits
      FPieceSize(std::clamp<std::size_t>(pieceSize, 1, std::size_t(1) << 30)) {
    Restart();
}

TbsDecompressionStream::~TbsDecompressionStream() {
    if (FState->Initialised)
        inflateEnd(&FState->Z);
}

void TbsDecompressionStream::Restart() {
    if (FState->Initialised) {
        inflateEnd(&FState->Z);
        FState->Initialised = false;
    }
    FState->Z = z_stream{};
    if (inflateInit2(&FState->Z, kWindowBits) != Z_OK)
        throw Exception(SCompressionError);
    FState->Initialised = true;
    FSourcePos = 0;
    FPosition = 0;
    FEnded = false;
}

std::size_t TbsDecompressionStream::Read(void* buffer, std::size_t count) {
    z_stream& z = FState->Z;
    auto* out = static_cast<Bytef*>(buffer);
    std::size_t produced = 0;
    while (produced < count && !FEnded) {
        if (z.avail_in == 0) {
            if (FSourcePos >= FSourceSize)
                throw Exception(SCompressionError);  // the source ends inside the zlib stream
            const std::size_t piece = std::min(FPieceSize, FSourceSize - FSourcePos);
            z.next_in = const_cast<Bytef*>(FSource + FSourcePos);  // zlib only reads it
            z.avail_in = uInt(piece);
            FSourcePos += piece;
        }
        uInt room = uInt(std::min<std::size_t>(count - produced, 1u << 30));
        z.next_out = out + produced;
        z.avail_out = room;
        int rc = inflate(&z, Z_NO_FLUSH);
        produced += room - z.avail_out;
        if (rc == Z_STREAM_END)
            FEnded = true;  // inflate has checked the Adler-32 trailer by now
        else if (rc != Z_OK && rc != Z_BUF_ERROR)
            throw Exception(SCompressionError);
        else if (rc == Z_BUF_ERROR && z.avail_in > 0 && z.avail_out > 0)
            throw Exception(SCompressionError);  // no progress with input and room: never loop
    }
    FPosition += produced;
    return produced;
}

void TbsDecompressionStream::Write(const void*, std::size_t) {
    throw Exception(SInvalidStreamOperation);
}

std::int64_t TbsDecompressionStream::Seek(std::int64_t offset, TSeekOrigin origin) {
    if (origin == soBeginning && offset == 0) {
        Restart();
        return 0;
    }
    if (origin == soCurrent && offset >= 0) {
        std::uint8_t scratch[PieceSize];
        std::uint64_t left = std::uint64_t(offset);
        while (left > 0) {
            std::size_t got = Read(scratch, std::size_t(std::min<std::uint64_t>(left, sizeof scratch)));
            if (got == 0)
                break;  // past the end: stay at the end, as inflating further gives nothing
            left -= got;
        }
        return std::int64_t(FPosition);
    }
    throw Exception(SInvalidStreamOperation);
}

// ---- whole buffers --------------------------------------------------------

std::vector<std::uint8_t> CompressBytes(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> out;
    TbsCompressionStream stream(out);
    stream.Write(data, size);
    stream.Finish();
    return out;
}

namespace {

// Skin packages deflate to about a thirtieth, so 32 times the input is a
// first guess that usually holds the whole output: growing (and copying)
// costs more than the inflating of a typical package.
std::size_t FirstOutputGuess(std::size_t size, std::size_t maxSize) {
    constexpr std::size_t kMinFirst = 64 * 1024;
    constexpr std::size_t kExpansionGuess = 32;
    std::size_t guess = size > maxSize / kExpansionGuess ? maxSize : std::max(kMinFirst, size * kExpansionGuess);
    return std::min(guess, maxSize);
}

// Inflates into buffer[0, capacity), growing it with grow(newCapacity)
// (which returns the new buffer) until the stream ends; returns the size.
template <typename TGrow>
std::size_t InflateAll(TbsDecompressionStream& stream, std::uint8_t* buffer, std::size_t capacity,
                       std::size_t maxSize, TGrow&& grow) {
    std::size_t used = 0;
    for (;;) {
        used += stream.Read(buffer + used, capacity - used);
        if (used < capacity)
            return used;  // the stream ended before the buffer filled
        if (capacity >= maxSize) {
            std::uint8_t probe;
            if (stream.Read(&probe, 1) != 0)
                throw Exception(SCompressionError);
            return used;
        }
        capacity = capacity > maxSize / 2 ? maxSize : capacity * 2;
        buffer = grow(capacity);
    }
}

}  // namespace

// The whole-buffer helpers hand zlib the whole source at once: at the end
// of every piece, inflate leaves its fast loop for a slow one.
std::vector<std::uint8_t> DecompressBytes(const std::uint8_t* data, std::size_t size, std::size_t maxSize) {
    TbsDecompressionStream stream(data, size, size);
    std::vector<std::uint8_t> out(FirstOutputGuess(size, maxSize));
    std::size_t used = InflateAll(stream, out.data(), out.size(), maxSize, [&](std::size_t capacity) {
        out.resize(capacity);
        return out.data();
    });
    out.resize(used);
    return out;
}

TInflatedBytes DecompressToBuffer(const std::uint8_t* data, std::size_t size, std::size_t maxSize) {
    TbsDecompressionStream stream(data, size, size);
    std::size_t capacity = FirstOutputGuess(size, maxSize);
    TInflatedBytes out;
    out.Data = std::make_unique_for_overwrite<std::uint8_t[]>(capacity);
    std::size_t filled = capacity;  // bytes of out.Data holding output when it has to grow
    out.Size = InflateAll(stream, out.Data.get(), capacity, maxSize, [&](std::size_t newCapacity) {
        auto bigger = std::make_unique_for_overwrite<std::uint8_t[]>(newCapacity);
        std::memcpy(bigger.get(), out.Data.get(), filled);
        out.Data = std::move(bigger);
        filled = newCapacity;
        return out.Data.get();
    });
    return out;
}
