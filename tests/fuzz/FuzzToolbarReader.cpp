// Any bytes given to the toolbar reader, in either record width, end in buttons the file
// could hold or in a reading error; the buttons write back unchanged and survive the
// folder customisation.
#include "model/ToolbarCatalogue.h"

using namespace sv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    const bool wide = (data[0] & 1) != 0;
    std::vector<ToolbarButton> buttons;
    {
        MemorySource source(std::span<const uint8_t>(data + 1, size - 1));
        ArchiveReader reader(source);
        try
        {
            buttons = ReadToolbarButtons(reader, wide);
        }
        catch (const ArchiveReadError&)
        {
            return 0;
        }
        const uint64_t recordSize = wide ? ToolbarButton::kWideSize : ToolbarButton::kLegacySize;
        if (8 + buttons.size() * recordSize > size - 1) __builtin_trap();
    }

    MemorySink sink;
    ArchiveWriter writer(sink);
    WriteToolbarButtons(writer, buttons);
    writer.Flush();
    MemorySource written(sink.Bytes());
    ArchiveReader again(written);
    if (ReadToolbarButtons(again, true) != buttons) __builtin_trap();

    const auto layout = FolderLayoutOrDefault(buttons);
    const auto edited = FolderLayoutAfterCustomising(FolderButtonsForCustomising(layout), layout);
    if (edited.size() != layout.size()) __builtin_trap();
    return 0;
}
