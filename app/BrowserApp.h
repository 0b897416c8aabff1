// CBrowserApp: brings the program up and down.
#pragma once

#include "MainFrame.h"
#include "SingleInstance.h"
#include "framework/Commands.h"
#include "framework/Handles.h"

#include <memory>
#include <string>

namespace sv
{

class CBrowserApp : public CCommandTarget
{
public:
    CBrowserApp();
    CBrowserApp(const CBrowserApp&) = delete;
    CBrowserApp& operator=(const CBrowserApp&) = delete;
    ~CBrowserApp() override;

    // The one application object, or nullptr before it exists and after it is gone.
    static CBrowserApp* Instance();

    // False ends the process at once (hand-off done, or no main frame).
    // `arguments` is the command line without the program's name.
    bool InitInstance(const std::wstring& arguments, int showCommand);
    int Run();

    CMainFrame* MainFrame() const { return m_mainFrame.get(); }
    // The folder-window menu, shared by every folder window.
    HMENU FolderMenu() const { return m_folderMenu.Get(); }
    SingleInstance& Instances() { return m_singleInstance; }

    // Old versions kept favorites and filters under other names; moves them unless a file
    // of the new name exists already.
    static void MoveOldDataFiles();

private:
    void ShowAbout();

    bool m_oleInitialized = false;
    SingleInstance m_singleInstance;
    std::unique_ptr<CMainFrame> m_mainFrame;
    UniqueMenu m_folderMenu;
    bool m_raiseFault = false;
};

} // namespace sv
