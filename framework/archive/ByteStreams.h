// Byte sources and sinks that the archive reads from and writes to.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace sv
{

class ByteSource
{
public:
    virtual ~ByteSource() = default;
    // Reads up to `max` bytes; returns how many were read (0 at the end or on failure).
    virtual size_t ReadSome(uint8_t* destination, size_t max) = 0;
    // Total number of bytes the source holds, known before reading starts.
    virtual uint64_t Size() const = 0;
};

class ByteSink
{
public:
    virtual ~ByteSink() = default;
    // Writes all `count` bytes or returns false.
    virtual bool Write(const uint8_t* data, size_t count) = 0;
};

class MemorySource final : public ByteSource
{
public:
    explicit MemorySource(std::span<const uint8_t> bytes) : m_bytes(bytes) {}
    size_t ReadSome(uint8_t* destination, size_t max) override;
    uint64_t Size() const override { return m_bytes.size(); }

private:
    std::span<const uint8_t> m_bytes;
    size_t m_position = 0;
};

class MemorySink final : public ByteSink
{
public:
    bool Write(const uint8_t* data, size_t count) override;
    const std::vector<uint8_t>& Bytes() const { return m_bytes; }

private:
    std::vector<uint8_t> m_bytes;
};

} // namespace sv
