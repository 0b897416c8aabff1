// Any bytes given to the settings reader end in a record or a reading error, never in a
// crash, an overrun or an allocation beyond what the input holds.
#include "model/Params.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    sv::MemorySource source(std::span<const uint8_t>(data, size));
    sv::ArchiveReader reader(source);
    sv::CParams params;
    try
    {
        params.Read(reader, sv::SettingsDefaults{});
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
