#include "Filter.h"

#include "Wildcard.h"

#include <algorithm>
#include <chrono>
#include <ctime>

namespace sv
{

namespace
{
// int + three strings (one length byte at least) + two ints + two 8-byte dates + 14 ints.
constexpr uint64_t kMinFilterRecordSize = 4 + 3 + 2 * 4 + 2 * 8 + 14 * 4;

bool LocalTime(std::time_t time, std::tm& local)
{
#ifdef _WIN32
    return localtime_s(&local, &time) == 0;
#else
    return localtime_r(&time, &local) != nullptr;
#endif
}

int64_t LocalTimeOfDay(std::tm day, int hour, int minute, int second, int64_t fallback)
{
    day.tm_hour = hour;
    day.tm_min = minute;
    day.tm_sec = second;
    day.tm_isdst = -1;
    const std::time_t time = std::mktime(&day);
    return time == static_cast<std::time_t>(-1) ? fallback : static_cast<int64_t>(time);
}

bool MatchesAny(std::wstring_view name, const std::vector<std::wstring>& masks)
{
    return std::any_of(masks.begin(), masks.end(),
                       [&](const std::wstring& mask) { return MatchesMaskList(name, mask); });
}

int64_t TimeOf(const FileStatus& status, DateKind kind)
{
    switch (kind)
    {
    case DateKind::Creation: return status.creationTime;
    case DateKind::LastAccess: return status.accessTime;
    case DateKind::LastChange: break;
    }
    return status.modificationTime;
}
} // namespace

DateKind DateKindOf(int32_t stored)
{
    switch (stored)
    {
    case static_cast<int32_t>(DateKind::Creation): return DateKind::Creation;
    case static_cast<int32_t>(DateKind::LastAccess): return DateKind::LastAccess;
    default: return DateKind::LastChange;
    }
}

DayBounds LocalDayBounds(int64_t now)
{
    std::tm local{};
    if (!LocalTime(static_cast<std::time_t>(now), local)) return {now, now};
    return {LocalTimeOfDay(local, 0, 0, 0, now), LocalTimeOfDay(local, 23, 59, 59, now)};
}

int64_t CurrentTime()
{
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

CFilter MaskSelectionFilter(std::wstring_view mask, bool applyToFolders)
{
    CFilter filter(DayBounds{});
    filter.includeText = mask;
    filter.applyToFolders = applyToFolders;
    filter.complement = true;
    filter.Compile();
    return filter;
}

std::optional<std::vector<std::wstring>> SplitMasks(std::wstring_view text)
{
    if (text.empty()) return std::nullopt;
    std::vector<std::wstring> masks;
    size_t start = 0;
    for (;;)
    {
        const size_t separator = text.find(L';', start);
        masks.emplace_back(text.substr(start, separator - start));
        if (separator == std::wstring_view::npos) break;
        start = separator + 1;
    }
    return masks;
}

uint64_t SizeBytes(int32_t value, int32_t unit)
{
    // A value read from a file must not wrap around or shift past 64 bits.
    const uint64_t count = value < 0 ? 0 : static_cast<uint64_t>(value);
    return count << (10 * std::clamp(unit, 0, 3));
}

int64_t SpanSeconds(int32_t count, int32_t unit)
{
    constexpr int64_t kDay = 86400;
    int64_t seconds = kDay;
    switch (unit)
    {
    case 0: seconds = 60; break;
    case 1: seconds = 3600; break;
    case 3: seconds = 7 * kDay; break;
    case 4: seconds = 30 * kDay; break;
    case 5: seconds = 365 * kDay; break;
    default: break;
    }
    return count * seconds;
}

CFilter::CFilter() : CFilter(LocalDayBounds(CurrentTime())) {}

CFilter::CFilter(DayBounds today)
{
    sinceDate = today.start;
    untilDate = today.end;
    Compile();
}

CFilter::CFilter(const CFilter& other) : FilterFields(other)
{
    Compile();
}

CFilter& CFilter::operator=(const CFilter& other)
{
    if (this != &other)
    {
        FilterFields::operator=(other);
        Compile();
    }
    return *this;
}

void CFilter::Compile()
{
    m_includeMasks = SplitMasks(includeText);
    m_excludeMasks = SplitMasks(excludeText);
    m_sizeFromBytes = SizeBytes(sizeFromValue, sizeFromUnit);
    m_sizeToBytes = SizeBytes(sizeToValue, sizeToUnit);
    m_sinceSpan = SpanSeconds(sinceCount, sinceUnit);
}

bool CFilter::AppliesTo(const FilterItem& item) const
{
    return !item.isFolder || (item.isFileSystem && item.isStream) || applyToFolders;
}

bool CFilter::Matches(const FilterItem& item, bool storage, int64_t now) const
{
    if (!AppliesTo(item)) return true;
    return RawMatches(item, storage, now) != complement;
}

bool CFilter::RawMatches(const FilterItem& item, bool storage, int64_t now) const
{
    if (m_includeMasks && !MatchesAny(item.name, *m_includeMasks)) return false;
    if (m_excludeMasks && MatchesAny(item.name, *m_excludeMasks)) return false;
    if (!storage) return true;

    // An item whose status cannot be read fails every date and size condition in force:
    // nothing is known that would let it through.
    if (NeedsStatus() && !item.status) return false;
    if (sinceOn || untilOn)
    {
        const int64_t time = TimeOf(*item.status, DateKindOf(dateKind));
        const int64_t threshold = sinceRelative != 0 ? now - m_sinceSpan : sinceDate;
        if (sinceOn && time < threshold) return false;
        if (untilOn && time > untilDate) return false;
    }
    if (attrMask != 0)
    {
        if (!item.attributes) return false;
        if ((*item.attributes & static_cast<uint32_t>(attrMask)) != static_cast<uint32_t>(attrValue))
            return false;
    }
    if (sizeFromOn && item.status->size < m_sizeFromBytes) return false;
    if (sizeToOn && item.status->size > m_sizeToBytes) return false;
    return true;
}

void CFilter::Read(ArchiveReader& r)
{
    r.ReadInt(); // record version, only ever 2
    name = r.ReadString();
    includeText = r.ReadString();
    excludeText = r.ReadString();
    sinceOn = r.ReadBool();
    untilOn = r.ReadBool();
    sinceDate = static_cast<int64_t>(r.ReadUInt64());
    untilDate = static_cast<int64_t>(r.ReadUInt64());
    dateKind = r.ReadInt();
    sinceRelative = r.ReadInt();
    sinceCount = r.ReadInt();
    sinceUnit = r.ReadInt();
    sizeFromOn = r.ReadBool();
    sizeToOn = r.ReadBool();
    sizeFromValue = r.ReadInt();
    sizeToValue = r.ReadInt();
    sizeFromUnit = r.ReadInt();
    sizeToUnit = r.ReadInt();
    attrMask = r.ReadInt();
    attrValue = r.ReadInt();
    applyToFolders = r.ReadBool();
    complement = r.ReadBool();
    Compile();
}

void CFilter::Write(ArchiveWriter& w) const
{
    w.WriteInt(kRecordVersion);
    w.WriteString(name);
    w.WriteString(includeText);
    w.WriteString(excludeText);
    w.WriteBool(sinceOn);
    w.WriteBool(untilOn);
    w.WriteUInt64(static_cast<uint64_t>(sinceDate));
    w.WriteUInt64(static_cast<uint64_t>(untilDate));
    w.WriteInt(dateKind);
    w.WriteInt(sinceRelative);
    w.WriteInt(sinceCount);
    w.WriteInt(sinceUnit);
    w.WriteBool(sizeFromOn);
    w.WriteBool(sizeToOn);
    w.WriteInt(sizeFromValue);
    w.WriteInt(sizeToValue);
    w.WriteInt(sizeFromUnit);
    w.WriteInt(sizeToUnit);
    w.WriteInt(attrMask);
    w.WriteInt(attrValue);
    w.WriteBool(applyToFolders);
    w.WriteBool(complement);
}

void CFilters::Read(ArchiveReader& r)
{
    const int32_t version = r.ReadInt();
    if (version > kVersion) throw ArchiveReadError("filter list of a newer version");
    const int32_t count = r.ReadCount(kMinFilterRecordSize, "filters");
    std::vector<CFilter> read;
    read.reserve(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i)
    {
        CFilter filter(DayBounds{}); // every field comes from the file
        filter.Read(r);
        read.push_back(std::move(filter));
    }
    filters = std::move(read);
}

void CFilters::Write(ArchiveWriter& w) const
{
    w.WriteInt(kVersion);
    w.WriteInt(static_cast<int32_t>(filters.size()));
    for (const auto& filter : filters)
        filter.Write(w);
}

} // namespace sv
