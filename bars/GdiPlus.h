// GDI+ for the quick view, and the session that keeps it started. The headers need min and max
// in their own namespace, which NOMINMAX takes away.
#pragma once

#include <windows.h>

#include <objidl.h>

#include <algorithm>

namespace Gdiplus
{
using std::max;
using std::min;
} // namespace Gdiplus

#include <gdiplus.h>

namespace sv
{

// GDI+ is started while one of these lives; it must outlive every GDI+ object of its owner.
class CGdiPlusSession
{
public:
    CGdiPlusSession();
    ~CGdiPlusSession();
    CGdiPlusSession(const CGdiPlusSession&) = delete;
    CGdiPlusSession& operator=(const CGdiPlusSession&) = delete;
    bool Started() const { return m_token != 0; }

private:
    ULONG_PTR m_token = 0;
};

} // namespace sv
