// A shell item-id list held as its exact bytes: a sequence of items, each starting with its
// 16-bit size, ended by a 2-byte zero terminator. The portable code never interprets the
// items; equality in the shell's sense is asked of the shell, byte equality is a fast path.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace sv
{

class ItemIdList
{
public:
    ItemIdList() = default; // no list at all

    // Checks the structure (sizes, terminator at the very end); nullopt when malformed.
    static std::optional<ItemIdList> FromBytes(std::span<const uint8_t> bytes);
    static ItemIdList Desktop();
    // Builds a list from the item payloads (without their size fields), for tests and tools.
    static ItemIdList FromItems(const std::vector<std::vector<uint8_t>>& items);

    bool IsNull() const { return m_bytes.empty(); }
    bool IsDesktop() const { return m_bytes.size() == 2; }
    // Total size including the terminator; 0 for no list.
    size_t Size() const { return m_bytes.size(); }
    const uint8_t* Data() const { return m_bytes.data(); }
    std::span<const uint8_t> Bytes() const { return m_bytes; }
    size_t ItemCount() const;

    friend bool operator==(const ItemIdList&, const ItemIdList&) = default;

private:
    explicit ItemIdList(std::vector<uint8_t> bytes) : m_bytes(std::move(bytes)) {}
    std::vector<uint8_t> m_bytes;
};

} // namespace sv
