// CBrowserApp: brings the program up and down.
#pragma once

#include "MainFrame.h"

#include <memory>

namespace sv
{

class CBrowserApp
{
public:
    CBrowserApp() = default;
    CBrowserApp(const CBrowserApp&) = delete;
    CBrowserApp& operator=(const CBrowserApp&) = delete;
    ~CBrowserApp();

    // False ends the process at once (the main frame could not be created).
    bool InitInstance(int showCommand);
    int Run();

    CMainFrame* MainFrame() const { return m_mainFrame.get(); }

private:
    bool m_oleInitialized = false;
    std::unique_ptr<CMainFrame> m_mainFrame;
};

} // namespace sv
