// A data object of our own that holds ready-made blocks of global memory, one per format.
// The shell's data objects refuse SetData on some platforms, and the clipboard needs
// "Preferred DropEffect" beside the item list, so copies and cuts put one of these there.
#pragma once

#include "framework/Handles.h"

#include <objidl.h>

#include <cstdint>
#include <vector>

namespace sv
{

struct DataBlock
{
    CLIPFORMAT format = 0;
    std::vector<uint8_t> bytes;
};

ComPtr<IDataObject> MakeClipboardDataObject(std::vector<DataBlock> blocks);

} // namespace sv
