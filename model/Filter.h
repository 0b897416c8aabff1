// CFilter: a named view filter (name masks, size range, date range, attribute conditions,
// complement, folders switch) and CFilters, the list of them in "Solvanta_Fil.cfg".
#pragma once

#include "framework/archive/Archive.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sv
{

// Start (00:00:00) and end (23:59:59) of a local day, in seconds since 1970 (UTC).
struct DayBounds
{
    int64_t start = 0;
    int64_t end = 0;
};
DayBounds LocalDayBounds(int64_t now);
int64_t CurrentTime();

// What the file system says about an item; only asked for in folders with a storage.
struct FileStatus
{
    uint64_t size = 0;
    int64_t creationTime = 0; // seconds since 1970
    int64_t modificationTime = 0;
    int64_t accessTime = 0;
};

// One item of the folder being enumerated, as the shell and the file system describe it.
struct FilterItem
{
    std::wstring_view name; // in-folder display name, "<unknown>" when the shell gave none
    bool isFolder = false;
    bool isFileSystem = false;
    bool isStream = false;
    std::optional<FileStatus> status;   // none: could not be read
    std::optional<uint32_t> attributes; // none: could not be read
};

enum class DateKind : int32_t
{
    Creation = 0,
    LastChange = 1,
    LastAccess = 2,
};
// The stored `dateKind`; an unknown number counts as the last change.
DateKind DateKindOf(int32_t stored);

// The stored fields; CFilter adds the forms prepared for matching.
struct FilterFields
{
    std::wstring name;
    std::wstring includeText; // masks separated by ";"
    std::wstring excludeText;
    bool sinceOn = false;
    bool untilOn = false;
    int64_t sinceDate = 0;
    int64_t untilDate = 0;
    int32_t dateKind = static_cast<int32_t>(DateKind::LastChange); // read through DateKindOf
    int32_t sinceRelative = 0;
    int32_t sinceCount = 1;
    int32_t sinceUnit = 2; // minutes, hours, days, weeks, months, years
    bool sizeFromOn = false;
    bool sizeToOn = false;
    int32_t sizeFromValue = 0;
    int32_t sizeToValue = 0;
    int32_t sizeFromUnit = 0; // bytes, KB, MB, GB
    int32_t sizeToUnit = 0;
    int32_t attrMask = 0;
    int32_t attrValue = 0;
    bool applyToFolders = false;
    bool complement = false;

    friend bool operator==(const FilterFields&, const FilterFields&) = default;
};

class CFilter : public FilterFields
{
public:
    static constexpr int32_t kRecordVersion = 2;

    // Default dates are today 00:00:00 and 23:59:59, local time.
    CFilter();
    explicit CFilter(DayBounds today);
    // Copies rebuild the prepared masks from the copied texts.
    CFilter(const CFilter& other);
    CFilter& operator=(const CFilter& other);
    CFilter(CFilter&&) noexcept = default;
    CFilter& operator=(CFilter&&) noexcept = default;

    // Rebuilds the prepared forms; call after changing any field.
    void Compile();

    // Folders count only with applyToFolders; archives the shell shows as folders are files.
    bool AppliesTo(const FilterItem& item) const;
    // Whether Matches looks at the item's status or attributes in a folder with storage.
    bool NeedsStatus() const { return sinceOn || untilOn || sizeFromOn || sizeToOn; }
    bool NeedsAttributes() const { return attrMask != 0; }
    // True when the item stays visible (complement already applied). `storage`: the folder
    // is a file-system folder, so size, date and attributes count. `now` for relative dates.
    bool Matches(const FilterItem& item, bool storage, int64_t now) const;

    const std::optional<std::vector<std::wstring>>& IncludeMasks() const { return m_includeMasks; }
    const std::optional<std::vector<std::wstring>>& ExcludeMasks() const { return m_excludeMasks; }
    uint64_t SizeFromBytes() const { return m_sizeFromBytes; }
    uint64_t SizeToBytes() const { return m_sizeToBytes; }
    int64_t SinceSpan() const { return m_sinceSpan; }

    // The record of a filter list; the record version in front is written but not used.
    void Read(ArchiveReader& reader);
    void Write(ArchiveWriter& writer) const;

    friend bool operator==(const CFilter& a, const CFilter& b)
    {
        return static_cast<const FilterFields&>(a) == static_cast<const FilterFields&>(b);
    }

private:
    bool RawMatches(const FilterItem& item, bool storage, int64_t now) const;

    std::optional<std::vector<std::wstring>> m_includeMasks;
    std::optional<std::vector<std::wstring>> m_excludeMasks;
    uint64_t m_sizeFromBytes = 0;
    uint64_t m_sizeToBytes = 0;
    int64_t m_sinceSpan = 0;
};

// The temporary filter of "Objekte auswählen" for a typed mask (or none: every file). It has
// `complement` set, so Matches is false for exactly the items to select or deselect; items
// it does not apply to (folders unless `applyToFolders`) are never touched.
CFilter MaskSelectionFilter(std::wstring_view mask, bool applyToFolders);

// Splits at every ";" (n separators give n + 1 masks, empty ones kept, nothing trimmed);
// none for an empty text.
std::optional<std::vector<std::wstring>> SplitMasks(std::wstring_view text);
// value x 1024^unit; a negative value counts as 0, units beyond GB as GB.
uint64_t SizeBytes(int32_t value, int32_t unit);
// count x the unit's seconds (a month is 30 days, a year 365); unknown units are days.
int64_t SpanSeconds(int32_t count, int32_t unit);

class CFilters
{
public:
    static constexpr int32_t kVersion = 2;

    std::vector<CFilter> filters;

    // Throws ArchiveReadError for a newer version or bad content.
    void Read(ArchiveReader& reader);
    void Write(ArchiveWriter& writer) const;

    friend bool operator==(const CFilters&, const CFilters&) = default;
};

} // namespace sv
