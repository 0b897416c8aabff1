// CMyBar: the sizing bar of the folder tree ("Ordner") and of the quick view
// ("Schnellansicht"). Its one control is created as the bar's child and kept filling the bar.
#pragma once

#include "SizingControlBar.h"

namespace sv
{

class CMyBar : public CSizingControlBar
{
public:
    bool Create(HWND parent, UINT id, const wchar_t* title) { return CreateBar(parent, id, title); }
};

} // namespace sv
