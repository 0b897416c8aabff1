// CMyBarInfo: the saved sizes of one resizable docking bar.
#pragma once

#include "framework/archive/Archive.h"

namespace sv
{

struct CMyBarInfo
{
    int32_t horizontalWidth = 200;
    int32_t horizontalHeight = 200;
    int32_t verticalWidth = 200;
    int32_t verticalHeight = 200;
    int32_t floatingWidth = 200;
    int32_t floatingHeight = 200;

    void Read(ArchiveReader& reader);
    void Write(ArchiveWriter& writer) const;

    friend bool operator==(const CMyBarInfo&, const CMyBarInfo&) = default;
};

} // namespace sv
