// CMainFrame: the MDI frame that owns the settings and every bar, and hosts the folder windows.
#pragma once

#include "framework/Commands.h"
#include "framework/MdiFrame.h"
#include "model/OsKind.h"
#include "model/Params.h"

#include <string>

namespace sv
{

class CMainFrame : public CMdiFrame, public CCommandTarget
{
public:
    static constexpr const wchar_t* kWindowClass = L"SolvantaMainFrame";
    static constexpr const wchar_t* kTitle = L"Solvanta";

    // `handOffMessage` is the registered message of a second start; commands nobody here
    // handles go on to `next` (the application).
    explicit CMainFrame(UINT handOffMessage = 0, CCommandTarget* next = nullptr);

    // Creates the frame window with the menu and icon of resource 128.
    bool CreateFrame();

    // "Solvanta.cfg" into the settings record; never fails towards the caller.
    void ReadSettings();
    // The settings record into "Solvanta.cfg"; reports a failure to the user.
    void WriteSettings();

    // The bar layout stored in the settings onto the bars.
    void RestoreBarLayout();
    // The windows of the last run from `arrangementPath`, or one default folder window when
    // it is empty or yields nothing.
    void OpenStartWindows(const std::wstring& arrangementPath);
    // A handed-over text (a second start's command line): bring the frame to the front and
    // open what it names.
    virtual void OpenCommandLineText(const std::wstring& text);

    OsKind Os() const { return m_osKind; }
    CParams& Params() { return m_params; }
    const SettingsDefaults& Defaults() const { return m_defaults; }
    HMENU FrameMenu() const { return m_frameMenu; }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    CCommandTarget* NextCommandTarget() override { return m_next; }
    void BringToFront();

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

    OsKind m_osKind;
    UINT m_handOffMessage;
    CCommandTarget* m_next;
    SettingsDefaults m_defaults;
    CParams m_params;
    HMENU m_frameMenu = nullptr; // owned by the window once attached
    bool m_shutdownDone = false;
};

} // namespace sv
