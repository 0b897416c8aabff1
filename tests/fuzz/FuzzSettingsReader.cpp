// Any bytes given to the settings reader end in a record or a reading error, never in a
// crash, an overrun or an allocation beyond what the input holds. The dock layout inside the
// record is our own format; the input goes to its reader too, whole, since settings that reach
// it by chance are rare.
#include "model/DockLayout.h"
#include "model/Params.h"

namespace
{
// A decoded layout encodes to bytes that decode to the same layout.
void CheckDockLayout(std::span<const uint8_t> bytes)
{
    const sv::DockLayout layout = sv::DecodeDockLayout(bytes);
    if (!(sv::DecodeDockLayout(sv::EncodeDockLayout(layout)) == layout)) __builtin_trap();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CheckDockLayout(std::span<const uint8_t>(data, size));
    sv::MemorySource source(std::span<const uint8_t>(data, size));
    sv::ArchiveReader reader(source);
    sv::CParams params;
    try
    {
        params.Read(reader, sv::SettingsDefaults{});
        CheckDockLayout(params.dockLayout);
        // What was read must write and read back to the same record.
        sv::MemorySink sink;
        sv::ArchiveWriter writer(sink);
        params.Write(writer);
        writer.Flush();
        sv::MemorySource again(sink.Bytes());
        sv::ArchiveReader rereader(again);
        sv::CParams reread;
        reread.Read(rereader, sv::SettingsDefaults{});
        reread.version = params.version;
        reread.toolbarRecordsWide = params.toolbarRecordsWide;
        if (params.version >= 1350 && !(reread == params)) __builtin_trap();
    }
    catch (const sv::ArchiveReadError&)
    {
    }
    return 0;
}
