#include "ByteStreams.h"

#include <algorithm>
#include <cstring>

namespace sv
{

size_t MemorySource::ReadSome(uint8_t* destination, size_t max)
{
    const size_t count = std::min(max, m_bytes.size() - m_position);
    if (count > 0) std::memcpy(destination, m_bytes.data() + m_position, count);
    m_position += count;
    return count;
}

bool MemorySink::Write(const uint8_t* data, size_t count)
{
    m_bytes.insert(m_bytes.end(), data, data + count);
    return true;
}

} // namespace sv
