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
    void SetUp() override;
    void TearDown() override;

    // Settings the test wants before the frame is made.
    virtual void AdjustSettings(CParams&) {}

    // A folder below the test's files opened as the frame opens folders; the active pane.
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
    CMainFrame m_frame{0, &m_application};

private:
    StandInApplication m_application{m_frame};
    std::unique_ptr<ScopedPumpHooks> m_pumpHooks;
};

} // namespace sv::test
