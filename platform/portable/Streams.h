// Byte streams: a growable memory stream and a file stream.
//
// Reading past the end reads less (Read returns the count); ReadBuffer and
// WriteBuffer demand the whole count and raise "Invalid stream operation"
// otherwise, as does seeking before the start.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

extern const char* const kInvalidStreamOperation;  // "Invalid stream operation"

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream {
public:
    virtual ~TStream() = default;
    virtual std::size_t Read(void* buffer, std::size_t count) = 0;
    virtual std::size_t Write(const void* buffer, std::size_t count) = 0;
    // Returns the new position.
    virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;
    virtual std::int64_t GetSize() = 0;

    std::int64_t GetPosition() { return Seek(0, TSeekOrigin::soCurrent); }
    void SetPosition(std::int64_t value) { Seek(value, TSeekOrigin::soBeginning); }
    void ReadBuffer(void* buffer, std::size_t count);
    void WriteBuffer(const void* buffer, std::size_t count);
    // Copies count bytes (all from the position on when count is 0) from
    // source; returns the number copied.
    std::int64_t CopyFrom(TStream& source, std::int64_t count);
};

class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::vector<std::uint8_t> bytes) : FBytes(std::move(bytes)) {}

    std::size_t Read(void* buffer, std::size_t count) override;
    std::size_t Write(const void* buffer, std::size_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    std::int64_t GetSize() override { return std::int64_t(FBytes.size()); }
    void SetSize(std::size_t size);
    void Clear();

    const std::vector<std::uint8_t>& Bytes() const { return FBytes; }
    const std::uint8_t* Memory() const { return FBytes.data(); }

private:
    std::vector<std::uint8_t> FBytes;
    std::size_t FPosition = 0;
};

enum class TFileMode { fmOpenRead, fmCreate };

class TFileStream : public TStream {
public:
    // Raises Exception "Cannot open file <name>" when it cannot be opened.
    TFileStream(const std::string& fileName, TFileMode mode);
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;
    ~TFileStream() override;

    std::size_t Read(void* buffer, std::size_t count) override;
    std::size_t Write(const void* buffer, std::size_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    std::int64_t GetSize() override;

private:
    std::FILE* FFile = nullptr;
};
