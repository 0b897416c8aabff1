// What the portable code asks of the shell. The Win32 layer answers through the desktop
// folder; tests answer with fakes.
#pragma once

#include "framework/archive/ItemIdList.h"

namespace sv
{

class IItemIdEquality
{
public:
    virtual ~IItemIdEquality() = default;
    // The shell's equality (CompareIDs gives 0), which can hold for lists of different bytes.
    virtual bool SameItem(const ItemIdList& a, const ItemIdList& b) const = 0;
};

// Byte equality: right for lists taken from the same folder object, and for tests.
class ByteEquality final : public IItemIdEquality
{
public:
    bool SameItem(const ItemIdList& a, const ItemIdList& b) const override { return a == b; }
};

} // namespace sv
