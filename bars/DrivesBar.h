// CDrivesBar: what the drives bar does beyond a toolbar: a middle click on a drive opens its
// root in a new folder window.
#pragma once

#include "framework/Subclass.h"

#include <functional>

namespace sv
{

class CDrivesBar : public CSubclass
{
public:
    // `openInNewWindow` gets the drive's button index.
    explicit CDrivesBar(std::function<void(int)> openInNewWindow)
        : m_openInNewWindow(std::move(openInNewWindow))
    {
    }
    bool Attach(HWND toolbar) { return Install(toolbar); }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::function<void(int)> m_openInNewWindow;
};

} // namespace sv
