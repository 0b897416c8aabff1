// CMDIClientWnd: the program's own behaviour on the frame's MDI client window.
#pragma once

#include "framework/Subclass.h"

#include <functional>

namespace sv
{

class CMDIClientWnd : public CSubclass
{
public:
    // Called after a folder window came or went, or another one became active: what the
    // toolbar buttons offer depends on it, and no idle pass follows a programmatic change.
    void SetOnChildrenChanged(std::function<void()> changed) { m_changed = std::move(changed); }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::function<void()> m_changed;
};

} // namespace sv
