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
    m_frame.ReadSettings();
    AdjustSettings(m_frame.Params());
    ASSERT_TRUE(m_frame.CreateFrame());
    m_frame.LoadOrDropAccelerators();
    ::SetWindowPos(m_frame.Hwnd(), nullptr, 20, 20, 1000, 720, SWP_NOZORDER);
    m_frame.RestoreBarLayout();
    m_frame.LayoutAllBars();
    m_frame.ReadFilters();
    ::ShowWindow(m_frame.Hwnd(), SW_SHOWNORMAL);
    ::SetForegroundWindow(m_frame.Hwnd());
    MessageLoopHooks hooks;
    hooks.preTranslate = [this](MSG& message)
    { return m_frame.Hwnd() && m_frame.PreTranslateMessage(message); };
    hooks.onIdle = [this]
    {
        if (m_frame.Hwnd()) m_frame.OnIdle();
    };
    m_pumpHooks = std::make_unique<ScopedPumpHooks>(std::move(hooks));
    PumpUntilIdle();
}

void MainFrameFixture::TearDown()
{
    if (m_frame.Hwnd()) ::SendMessageW(m_frame.Hwnd(), WM_CLOSE, 0, 0);
    PumpUntilIdle();
    m_pumpHooks.reset();
}

CFolderFrame* MainFrameFixture::Open(const std::wstring& relative, OpenMode mode)
{
    m_frame.Windows().OpenFolder(PidlFromPath(relative.empty() ? m_files.Path() : m_files.File(relative)),
                                 AbsolutePidl(), mode, true);
    PumpUntilIdle();
    return m_frame.ActivePane();
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
