#include "platform/portable/Streams.h"

#include <algorithm>
#include <cstring>

#include "platform/portable/Exception.h"

const char* const kInvalidStreamOperation = "Invalid stream operation";

namespace {
constexpr const char* kCannotOpenFile = "Cannot open file ";
}

void TStream::ReadBuffer(void* buffer, std::size_t count) {
    if (count && Read(buffer, count) != count) throw Exception(kInvalidStreamOperation);
}

void TStream::WriteBuffer(const void* buffer, std::size_t count) {
    if (count && Write(buffer, count) != count) throw Exception(kInvalidStreamOperation);
}

std::int64_t TStream::CopyFrom(TStream& source, std::int64_t count) {
    if (count < 0) throw Exception(kInvalidStreamOperation);
    if (count == 0) {
        source.SetPosition(0);
        count = source.GetSize();
    }
    std::uint8_t chunk[8192];
    std::int64_t left = count;
    while (left > 0) {
        std::size_t n = std::size_t(std::min<std::int64_t>(left, sizeof(chunk)));
        source.ReadBuffer(chunk, n);
        WriteBuffer(chunk, n);
        left -= std::int64_t(n);
    }
    return count;
}

std::size_t TMemoryStream::Read(void* buffer, std::size_t count) {
    if (FPosition >= FBytes.size()) return 0;
    std::size_t n = std::min(count, FBytes.size() - FPosition);
    if (n) std::memcpy(buffer, FBytes.data() + FPosition, n);
    FPosition += n;
    return n;
}

std::size_t TMemoryStream::Write(const void* buffer, std::size_t count) {
    if (!count) return 0;
    if (FPosition + count > FBytes.size()) FBytes.resize(FPosition + count);
    std::memcpy(FBytes.data() + FPosition, buffer, count);
    FPosition += count;
    return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
    std::int64_t base = origin == TSeekOrigin::soBeginning ? 0
                        : origin == TSeekOrigin::soCurrent ? std::int64_t(FPosition)
                                                           : std::int64_t(FBytes.size());
    std::int64_t target = base + offset;
    if (target < 0) throw Exception(kInvalidStreamOperation);
    FPosition = std::size_t(target);  // past the end is allowed: a write fills the gap with zeros
    return target;
}

void TMemoryStream::SetSize(std::size_t size) {
    FBytes.resize(size);
    FPosition = std::min(FPosition, size);
}

void TMemoryStream::Clear() {
    FBytes.clear();
    FPosition = 0;
}

TFileStream::TFileStream(const std::string& fileName, TFileMode mode)
    : FFile(std::fopen(fileName.c_str(), mode == TFileMode::fmCreate ? "w+b" : "rb")) {
    if (!FFile) throw Exception(kCannotOpenFile + fileName);
}

TFileStream::~TFileStream() {
    if (FFile) std::fclose(FFile);
}

std::size_t TFileStream::Read(void* buffer, std::size_t count) { return std::fread(buffer, 1, count, FFile); }

std::size_t TFileStream::Write(const void* buffer, std::size_t count) { return std::fwrite(buffer, 1, count, FFile); }

std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin) {
    int whence = origin == TSeekOrigin::soBeginning ? SEEK_SET : origin == TSeekOrigin::soCurrent ? SEEK_CUR : SEEK_END;
    if (std::fseek(FFile, long(offset), whence) != 0) throw Exception(kInvalidStreamOperation);
    return std::int64_t(std::ftell(FFile));
}

std::int64_t TFileStream::GetSize() {
    long here = std::ftell(FFile);
    std::fseek(FFile, 0, SEEK_END);
    long size = std::ftell(FFile);
    std::fseek(FFile, here, SEEK_SET);
    return size;
}
