#include "Subclass.h"

#include "Diagnostics.h"

#include <commctrl.h>

#include <exception>

namespace sv
{

namespace
{
constexpr UINT_PTR kSubclassId = 0x5356; // one subclass of ours per window
}

CSubclass::~CSubclass()
{
    Remove();
}

bool CSubclass::Install(HWND hwnd)
{
    Remove();
    if (!hwnd ||
        !::SetWindowSubclass(hwnd, &CSubclass::Procedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    m_hwnd = hwnd;
    return true;
}

void CSubclass::Remove()
{
    if (m_hwnd) ::RemoveWindowSubclass(m_hwnd, &CSubclass::Procedure, kSubclassId);
    m_hwnd = nullptr;
}

LRESULT CSubclass::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return Default(message, wParam, lParam);
}

LRESULT CSubclass::Default(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefSubclassProc(m_hwnd, message, wParam, lParam);
}

LRESULT CALLBACK CSubclass::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR data)
{
    auto* self = reinterpret_cast<CSubclass*>(data);
    if (message == WM_NCDESTROY)
    {
        self->Remove();
        return ::DefSubclassProc(hwnd, message, wParam, lParam);
    }
    try
    {
        return self->OnMessage(message, wParam, lParam);
    }
    catch (const std::exception& e)
    {
        ReportUnexpected(e.what());
    }
    catch (...)
    {
        ReportUnexpected("unknown exception");
    }
    return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

} // namespace sv
