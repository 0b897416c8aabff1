// A subclass of a window of a foreign class (a common control, the MDI client), removed with
// the object or when the window goes away. Exceptions never leave the subclass procedure.
#pragma once

#include <windows.h>

namespace sv
{

class CSubclass
{
public:
    CSubclass() = default;
    CSubclass(const CSubclass&) = delete;
    CSubclass& operator=(const CSubclass&) = delete;
    virtual ~CSubclass();

    bool Install(HWND hwnd);
    void Remove();
    HWND Hwnd() const { return m_hwnd; }

protected:
    // The subclass's message switch; unhandled messages go to Default.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR data);
    HWND m_hwnd = nullptr;
};

} // namespace sv
