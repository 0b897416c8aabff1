#include "Params.h"

#include "SettingsFields.h"

namespace sv
{

namespace
{
// {20D04FE0-3AEA-1069-A2D8-08002B30309D} in its in-memory byte order.
constexpr uint8_t kComputerClassId[16] = {0xE0, 0x4F, 0xD0, 0x20, 0xEA, 0x3A, 0x69, 0x10,
                                          0xA2, 0xD8, 0x08, 0x00, 0x2B, 0x30, 0x30, 0x9D};
constexpr uint8_t kRootItemType = 0x1F;
constexpr uint8_t kComputerSortOrder = 0x50;

// Every kind of field in its archive encoding.
void ReadValue(ArchiveReader& r, bool& value)
{
    value = r.ReadBool();
}
void ReadValue(ArchiveReader& r, int32_t& value)
{
    value = r.ReadInt();
}
void ReadValue(ArchiveReader& r, std::wstring& value)
{
    value = r.ReadString();
}
void ReadValue(ArchiveReader& r, ItemIdList& value)
{
    value = r.ReadItemIdList();
}
// Streams, and our docking layout in the place of the dock state: a byte count, the bytes.
void ReadValue(ArchiveReader& r, std::vector<uint8_t>& value)
{
    value = r.ReadStream();
}
template <size_t N> void ReadValue(ArchiveReader& r, std::array<uint8_t, N>& value)
{
    r.ReadRaw(value);
}
template <size_t N> void ReadValue(ArchiveReader& r, std::array<int32_t, N>& value)
{
    for (int32_t& item : value)
        item = r.ReadInt();
}
template <typename Record> void ReadValue(ArchiveReader& r, Record& value)
{
    value.Read(r);
}

void WriteValue(ArchiveWriter& w, bool value)
{
    w.WriteBool(value);
}
void WriteValue(ArchiveWriter& w, int32_t value)
{
    w.WriteInt(value);
}
void WriteValue(ArchiveWriter& w, const std::wstring& value)
{
    w.WriteString(value);
}
void WriteValue(ArchiveWriter& w, const ItemIdList& value)
{
    w.WriteItemIdList(value);
}
void WriteValue(ArchiveWriter& w, const std::vector<uint8_t>& value)
{
    w.WriteStream(value);
}
template <size_t N> void WriteValue(ArchiveWriter& w, const std::array<uint8_t, N>& value)
{
    w.WriteRaw(value);
}
template <size_t N> void WriteValue(ArchiveWriter& w, const std::array<int32_t, N>& value)
{
    for (const int32_t item : value)
        w.WriteInt(item);
}
template <typename Record> void WriteValue(ArchiveWriter& w, const Record& value)
{
    value.Write(w);
}

constexpr int32_t kFirstFieldVersion = 1230;
constexpr int32_t kWideToolbarVersion = 1300;
} // namespace

ItemIdList SettingsDefaults::StandardComputerFolder()
{
    std::vector<uint8_t> item{kRootItemType, kComputerSortOrder};
    item.insert(item.end(), std::begin(kComputerClassId), std::end(kComputerClassId));
    return ItemIdList::FromItems({item});
}

void CParams::Reset(const SettingsDefaults& defaults)
{
    *this = CParams{};
    mainToolbarIconSize = defaults.toolbarIconSize;
    folderToolbarIconSize = defaults.toolbarIconSize;
    Complete(defaults);
}

void CParams::Complete(const SettingsDefaults& defaults)
{
    if (startFolder.IsNull())
        startFolder =
            defaults.startFolder.IsNull() ? SettingsDefaults::StandardComputerFolder() : defaults.startFolder;
}

void CParams::Read(ArchiveReader& r, const SettingsDefaults& defaults)
{
    Reset(defaults);
    const int32_t first = r.ReadInt();
    version = first == 0 ? r.ReadInt() : first;
    toolbarRecordsWide = version >= kWideToolbarVersion ? r.ReadBool() : false;
    if (version < kFirstFieldVersion) return;

    // The version gates rise along the file, so the first newer field ends the record.
    for (const SettingField& field : SettingFields())
    {
        if (version < field.since) break;
        std::visit([&](auto member) { ReadValue(r, this->*member); }, field.member);
    }
    if (storedExtent == 0) storedExtent = 150;
    // Files of these versions could hold values the program of the time never showed.
    if (version >= 1330 && version < 1340)
    {
        treeSyncWithFolder = true;
        tabsShowDynamically = false;
    }
    Complete(defaults);
}

void CParams::Write(ArchiveWriter& w) const
{
    w.WriteInt(0);
    w.WriteInt(kWrittenVersion);
    w.WriteBool(true); // the toolbar files this program writes hold wide records
    for (const SettingField& field : SettingFields())
        std::visit([&](auto member) { WriteValue(w, this->*member); }, field.member);
}

} // namespace sv
