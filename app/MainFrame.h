// CMainFrame: the MDI frame that owns the settings and every bar, and hosts the folder windows.
#pragma once

#include "framework/Commands.h"
#include "framework/MdiFrame.h"
#include "model/Params.h"

namespace sv
{

class CMainFrame : public CMdiFrame, public CCommandTarget
{
public:
    static constexpr const wchar_t* kWindowClass = L"SolvantaMainFrame";
    static constexpr const wchar_t* kTitle = L"Solvanta";

    CMainFrame();

    // Creates the frame window with the menu and icon of resource 128.
    bool CreateFrame();

    // "Solvanta.cfg" into the settings record; never fails towards the caller.
    void ReadSettings();
    // The settings record into "Solvanta.cfg"; reports a failure to the user.
    void WriteSettings();

    CParams& Params() { return m_params; }
    const SettingsDefaults& Defaults() const { return m_defaults; }
    HMENU FrameMenu() const { return m_frameMenu; }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnCreate();
    void OnClose();
    void OnEndSession(bool ending);
    void OnInitMenuPopup(HMENU popup);
    bool OnCommand(UINT id);
    // Everything that must reach the files before the window goes away, in its order.
    void PrepareShutdown();
    void StoreBarLayout();
    void RegisterCommands();

    SettingsDefaults m_defaults;
    CParams m_params;
    HMENU m_frameMenu = nullptr; // owned by the window once attached
    bool m_shutdownDone = false;
};

} // namespace sv
