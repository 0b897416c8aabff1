#include "SolObject.h"

namespace sv
{

namespace
{
// The smallest record each layout can take, so that a count is checked against the bytes
// left before a single record is built: lists and streams at least their size, strings at
// least their length byte.
uint64_t MinimumRecordSize(int32_t version)
{
    if (version >= CSolObjects::kFirstPlainVersion) return 4 + 1 + 4;
    uint64_t size = 2 * 4 + 4 * 4 + 8 + 44 + 8 + 8 + 2 * 4 + 4 * 4 + 2 * 4;
    if (version >= 2) size += 2 * 4;
    if (version >= 3) size += 1 + 3 * 4 + 1;
    if (version >= 4) size += 4;
    return size;
}

StoredFolderSettings ReadFolderSettings(ArchiveReader& reader)
{
    StoredFolderSettings settings;
    settings.viewMode = reader.ReadInt();
    settings.flags = reader.ReadInt();
    return settings;
}

void WriteFolderSettings(ArchiveWriter& writer, const StoredFolderSettings& settings)
{
    writer.WriteInt(settings.viewMode);
    writer.WriteInt(settings.flags);
}

template <typename Record> void ReadOptional(ArchiveReader& reader, std::optional<Record>& record)
{
    if (reader.ReadInt() == 0)
    {
        record.reset();
        return;
    }
    record.emplace();
    record->Read(reader);
}

template <typename Record> void WriteOptional(ArchiveWriter& writer, const std::optional<Record>& record)
{
    writer.WriteInt(record ? 1 : 0);
    if (record) record->Write(writer);
}
} // namespace

int32_t PlacementShowCommand(const StoredPlacement& placement)
{
    const size_t at = kPlacementShowCommandOffset;
    return static_cast<int32_t>(
        static_cast<uint32_t>(placement[at]) | (static_cast<uint32_t>(placement[at + 1]) << 8) |
        (static_cast<uint32_t>(placement[at + 2]) << 16) | (static_cast<uint32_t>(placement[at + 3]) << 24));
}

void SetPlacementShowCommand(StoredPlacement& placement, int32_t showCommand)
{
    const auto value = static_cast<uint32_t>(showCommand);
    for (size_t i = 0; i < 4; ++i)
        placement[kPlacementShowCommandOffset + i] = static_cast<uint8_t>(value >> (8 * i));
}

CSolObject::CSolObject(const CSolObject& other) : SolObjectFields(other)
{
    tabPosition = -1;
}

CSolObject& CSolObject::operator=(const CSolObject& other)
{
    if (this != &other)
    {
        SolObjectFields::operator=(other);
        tabPosition = -1;
    }
    return *this;
}

void CSolObject::Read(ArchiveReader& reader, int32_t version)
{
    // Whatever a layout does not hold takes its default, even in a record used before.
    static_cast<SolObjectFields&>(*this) = SolObjectFields{};
    if (version >= CSolObjects::kFirstPlainVersion)
    {
        panes[0].folder = reader.ReadItemIdList();
        name = reader.ReadString();
        showInBar = reader.ReadInt() != 0;
        return;
    }
    panes[0].folder = reader.ReadItemIdList();
    panes[1].folder = reader.ReadItemIdList();
    splitMode = static_cast<SplitMode>(reader.ReadInt());
    visiblePanes = reader.ReadInt();
    splitRatio = reader.ReadDouble();
    activePane = reader.ReadInt();
    tabPosition = reader.ReadInt();
    reader.ReadRaw(placement);
    panes[0].folderSettings = ReadFolderSettings(reader);
    panes[1].folderSettings = ReadFolderSettings(reader);
    panes[0].viewMode = reader.ReadInt();
    panes[1].viewMode = reader.ReadInt();
    ReadOptional(reader, panes[0].history);
    ReadOptional(reader, panes[1].history);
    ReadOptional(reader, panes[0].visited);
    ReadOptional(reader, panes[1].visited);
    if (version >= 2)
    {
        panes[0].filterIndex = reader.ReadInt();
        panes[1].filterIndex = reader.ReadInt();
    }
    if (version >= 3)
    {
        name = reader.ReadString();
        // Only 1 is true here, unlike the plain favorites above.
        showInBar = reader.ReadInt() == 1;
        optionA = reader.ReadInt();
        optionB = reader.ReadInt();
        note = reader.ReadString();
    }
    if (version >= 4) colorHue = reader.ReadInt();
    panes[0].viewState = reader.ReadStream();
    panes[1].viewState = reader.ReadStream();
}

void CSolObject::Write(ArchiveWriter& writer) const
{
    writer.WriteItemIdList(panes[0].folder);
    writer.WriteItemIdList(panes[1].folder);
    writer.WriteInt(static_cast<int32_t>(splitMode));
    writer.WriteInt(visiblePanes);
    writer.WriteDouble(splitRatio);
    writer.WriteInt(activePane);
    writer.WriteInt(tabPosition);
    writer.WriteRaw(placement);
    WriteFolderSettings(writer, panes[0].folderSettings);
    WriteFolderSettings(writer, panes[1].folderSettings);
    writer.WriteInt(panes[0].viewMode);
    writer.WriteInt(panes[1].viewMode);
    WriteOptional(writer, panes[0].history);
    WriteOptional(writer, panes[1].history);
    WriteOptional(writer, panes[0].visited);
    WriteOptional(writer, panes[1].visited);
    writer.WriteInt(panes[0].filterIndex);
    writer.WriteInt(panes[1].filterIndex);
    writer.WriteString(name);
    writer.WriteInt(showInBar ? 1 : 0);
    writer.WriteInt(optionA);
    writer.WriteInt(optionB);
    writer.WriteString(note);
    writer.WriteInt(colorHue);
    writer.WriteStream(panes[0].viewState);
    writer.WriteStream(panes[1].viewState);
}

CSolObjects::CSolObjects(const CSolObjects& other)
{
    records.reserve(other.records.size());
    for (const auto& record : other.records)
    {
        CSolObject copy(record);
        copy.tabPosition = record.tabPosition;
        records.push_back(std::move(copy));
    }
}

CSolObjects& CSolObjects::operator=(const CSolObjects& other)
{
    if (this != &other) *this = CSolObjects(other);
    return *this;
}

void CSolObjects::Read(ArchiveReader& reader)
{
    records.clear();
    int32_t version = reader.ReadInt();
    if (version == kMarker || version == -1)
    {
        reader.ReadInt();
        version = reader.ReadInt();
    }
    if (version < 0 || (version > kVersion && version < kFirstPlainVersion))
        throw ArchiveReadError("favorites list of an unknown version");
    const int32_t count = reader.ReadCount(MinimumRecordSize(version), "favorites");
    std::vector<CSolObject> read;
    for (int32_t i = 0; i < count; ++i)
    {
        CSolObject record;
        record.Read(reader, version);
        read.push_back(std::move(record));
    }
    records = std::move(read);
}

void CSolObjects::Write(ArchiveWriter& writer) const
{
    writer.WriteInt(kMarker);
    writer.WriteInt(0);
    writer.WriteInt(kVersion);
    writer.WriteInt(static_cast<int32_t>(records.size()));
    for (const auto& record : records)
        record.Write(writer);
}

} // namespace sv
