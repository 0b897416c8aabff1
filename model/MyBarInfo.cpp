#include "MyBarInfo.h"

namespace sv
{

void CMyBarInfo::Read(ArchiveReader& reader)
{
    horizontalWidth = reader.ReadInt();
    horizontalHeight = reader.ReadInt();
    verticalWidth = reader.ReadInt();
    verticalHeight = reader.ReadInt();
    floatingWidth = reader.ReadInt();
    floatingHeight = reader.ReadInt();
}

void CMyBarInfo::Write(ArchiveWriter& writer) const
{
    for (const int32_t value :
         {horizontalWidth, horizontalHeight, verticalWidth, verticalHeight, floatingWidth, floatingHeight})
        writer.WriteInt(value);
}

} // namespace sv
