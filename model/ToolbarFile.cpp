#include "ToolbarFile.h"

namespace sv
{

void ToolbarButton::Read(ArchiveReader& reader)
{
    image = reader.ReadInt();
    command = reader.ReadInt();
    state = reader.ReadByte();
    style = reader.ReadByte();
    reader.ReadRaw(reserved);
    data = reader.ReadUInt64();
    string = static_cast<int64_t>(reader.ReadUInt64());
}

void ToolbarButton::ReadLegacy(ArchiveReader& reader)
{
    image = reader.ReadInt();
    command = reader.ReadInt();
    state = reader.ReadByte();
    style = reader.ReadByte();
    // Reserved bytes, data and text of a 32-bit build mean nothing to this one.
    reader.Skip(2 + 4 + 4);
    reserved = {};
    data = 0;
    string = -1;
}

void ToolbarButton::Write(ArchiveWriter& writer) const
{
    writer.WriteInt(image);
    writer.WriteInt(command);
    writer.WriteByte(state);
    writer.WriteByte(style);
    writer.WriteRaw(reserved);
    writer.WriteUInt64(data);
    writer.WriteUInt64(static_cast<uint64_t>(string));
}

std::wstring ToolbarFileName(std::wstring_view barName)
{
    std::wstring name(barName);
    name += L".cfg";
    return name;
}

std::vector<ToolbarButton> ReadToolbarButtons(ArchiveReader& reader, bool wideRecords)
{
    reader.ReadInt(); // reserved
    const size_t recordSize = wideRecords ? ToolbarButton::kWideSize : ToolbarButton::kLegacySize;
    // The format has no bound of its own; the file's size is the bound.
    const int32_t count = reader.ReadCount(recordSize, "toolbar buttons");
    std::vector<ToolbarButton> buttons(static_cast<size_t>(count));
    for (auto& button : buttons)
    {
        if (wideRecords)
            button.Read(reader);
        else
            button.ReadLegacy(reader);
    }
    return buttons;
}

void WriteToolbarButtons(ArchiveWriter& writer, std::span<const ToolbarButton> buttons)
{
    writer.WriteInt(0);
    writer.WriteInt(static_cast<int32_t>(buttons.size()));
    for (const auto& button : buttons)
        button.Write(writer);
}

ReadStatus ReadToolbarFile(const std::filesystem::path& file, bool wideRecords,
                           std::vector<ToolbarButton>& buttons)
{
    buttons.clear();
    std::vector<ToolbarButton> read;
    const ReadStatus status =
        ReadDataFile(file, [&](ArchiveReader& reader) { read = ReadToolbarButtons(reader, wideRecords); });
    if (status == ReadStatus::Ok) buttons = std::move(read);
    return status;
}

WriteStatus WriteToolbarFile(const std::filesystem::path& file, std::span<const ToolbarButton> buttons)
{
    return WriteDataFile(file, [&](ArchiveWriter& writer) { WriteToolbarButtons(writer, buttons); });
}

} // namespace sv
