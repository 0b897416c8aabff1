// The real main frame with its bars and default settings, in a data folder of the test's own,
// in front and pumped as the program's message loop pumps it: the frame's key translation
// first, the idle pass when the queue is empty.
#pragma once

#include "ScopedDataFolder.h"
#include "WinTestSupport.h"
#include "app/MainFrame.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace sv::test
{

// Stands in for the application object at the end of the frame's command chain: it opens the
// new folder window of Ctrl+N as the program does.
class StandInApplication : public CCommandTarget
{
public:
    explicit StandInApplication(CMainFrame& frame);
};

class MainFrameFixture : public ::testing::Test
{
protected:
    // A test that seeds data files or folders does so before calling SetUp, which reads them.
    void SetUp() override;
    void TearDown() override;

    // Settings the test wants before the frame is made.
    virtual void AdjustSettings(CParams&) {}
    // Tests of a restart, or of a frame of their own kind, start their frames themselves.
    virtual bool StartsFrameAtSetUp() const { return true; }
    // Where the frame's window is placed, in screen coordinates.
    virtual RECT FrameRect() const { return RECT{20, 20, 1020, 740}; }

    // Makes `frame` with the settings it holds, places it at FrameRect, lays out its bars, reads
    // its filters and shows it in front, as the program starts its frame.
    void StartFrame(CMainFrame& frame);
    // Closes `frame` as its close box does; whether its window is gone.
    bool CloseFrame(CMainFrame& frame);
    // Sends the frame a menu command and lets it finish.
    void Command(UINT id) { Command(m_frame, id); }
    static void Command(CMainFrame& frame, UINT id);

    // A folder below the test's files opened as the frame opens folders; the active pane, once
    // its list is shown.
    CFolderFrame* Open(const std::wstring& relative, OpenMode mode = OpenMode::NewWindow);
    // A path below the test's files.
    std::wstring FilePath(const std::wstring& relative) const { return m_files.File(relative); }
    void MakeFolder(const std::wstring& relative) const;
    void MakeFile(const std::wstring& relative, size_t size = 10) const;
    CFolderFrame* ActivePane() const { return m_frame.ActivePane(); }
    // The path of the active pane's folder, or empty.
    std::wstring ActivePath() const;

    ScopedDataFolder m_data;
    ScopedTempFolder m_files;
    // Made, shown and pumped with the frame's key translation unless StartsFrameAtSetUp says no.
    CMainFrame m_frame{0, &m_application};

private:
    StandInApplication m_application{m_frame};
    std::unique_ptr<ScopedPumpHooks> m_pumpHooks;
};

} // namespace sv::test
