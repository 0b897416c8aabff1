#include "MainFrameFixture.h"

#include "folder/ChildFrame.h"
#include "model/CommandCatalogue.h"
#include "shell/Pidl.h"

#include <fstream>

namespace sv::test
{

StandInApplication::StandInApplication(CMainFrame& frame)
{
    Commands().Add(cmd::kNewWindow, [&frame](UINT) { frame.Windows().CreateFolderWindow(CSolObject()); });
}

void MainFrameFixture::SetUp()
{
    if (!StartsFrameAtSetUp()) return;
    MessageLoopHooks hooks;
    hooks.preTranslate = [this](MSG& message)
    { return m_frame.Hwnd() && m_frame.PreTranslateMessage(message); };
    hooks.onIdle = [this]
    {
        if (m_frame.Hwnd()) m_frame.OnIdle();
    };
    m_pumpHooks = std::make_unique<ScopedPumpHooks>(std::move(hooks));
    m_frame.ReadSettings();
    AdjustSettings(m_frame.Params());
    StartFrame(m_frame);
}

void MainFrameFixture::TearDown()
{
    if (m_frame.Hwnd()) ::SendMessageW(m_frame.Hwnd(), WM_CLOSE, 0, 0);
    PumpUntilIdle();
    m_pumpHooks.reset();
}

void MainFrameFixture::StartFrame(CMainFrame& frame)
{
    ASSERT_TRUE(frame.CreateFrame());
    frame.LoadOrDropAccelerators();
    const RECT rect = FrameRect();
    ::SetWindowPos(frame.Hwnd(), nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                   SWP_NOZORDER);
    frame.RestoreBarLayout();
    frame.LayoutAllBars();
    frame.ReadFilters();
    ::ShowWindow(frame.Hwnd(), SW_SHOWNORMAL);
    ::SetForegroundWindow(frame.Hwnd());
    PumpUntilIdle();
}

bool MainFrameFixture::CloseFrame(CMainFrame& frame)
{
    ::SendMessageW(frame.Hwnd(), WM_CLOSE, 0, 0);
    PumpUntilIdle();
    return frame.Hwnd() == nullptr;
}

void MainFrameFixture::Command(CMainFrame& frame, UINT id)
{
    ::SendMessageW(frame.Hwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
    PumpUntilIdle();
}

CFolderFrame* MainFrameFixture::Open(const std::wstring& relative, OpenMode mode)
{
    m_frame.Windows().OpenFolder(PidlFromPath(relative.empty() ? m_files.Path() : m_files.File(relative)),
                                 AbsolutePidl(), mode, true);
    PumpUntilIdle();
    CFolderFrame* pane = m_frame.ActivePane();
    if (pane) PumpUntil([pane] { return pane->ListView() != nullptr; });
    return pane;
}

void MainFrameFixture::MakeFolder(const std::wstring& relative) const
{
    std::wstring path = m_files.Path();
    size_t start = 0;
    for (;;)
    {
        const size_t slash = relative.find(L'\\', start);
        path = m_files.File(relative.substr(0, slash));
        ::CreateDirectoryW(path.c_str(), nullptr);
        if (slash == std::wstring::npos) break;
        start = slash + 1;
    }
}

void MainFrameFixture::MakeFile(const std::wstring& relative, size_t size) const
{
    std::ofstream out(m_files.File(relative).c_str(), std::ios::binary);
    out << std::string(size, 'x');
}

std::wstring MainFrameFixture::ActivePath() const
{
    const CFolderFrame* pane = ActivePane();
    return pane ? pane->PathText() : std::wstring();
}

} // namespace sv::test
