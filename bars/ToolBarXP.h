// CToolBarXP: the toolbar of the main frame's bars (main toolbar, favorites bar, drives bar):
// a toolbar control with its button catalogue, its image lists and its band in the rebar.
#pragma once

#include "framework/Commands.h"
#include "framework/Handles.h"
#include "model/ToolbarCatalogue.h"

#include <commctrl.h>

#include <functional>
#include <span>
#include <string>
#include <vector>

namespace sv
{

class CReBarMain;

class CToolBarXP
{
public:
    CToolBarXP() = default;
    CToolBarXP(const CToolBarXP&) = delete;
    CToolBarXP& operator=(const CToolBarXP&) = delete;

    // A child toolbar of `parent`; notifications and commands go to `owner`. `listStyle` puts
    // button texts right of the images. `dockable` is fixed for the toolbar's life.
    bool Create(HWND parent, HWND owner, UINT id, const wchar_t* name, bool dockable, bool listStyle = false);
    void Destroy() { m_window.Reset(); }
    HWND Hwnd() const { return m_window.Get(); }
    UINT Id() const { return m_id; }
    bool IsDockable() const { return m_dockable; }

    // Either list when given; the toolbar does not own them.
    void SetImageLists(HIMAGELIST normal, HIMAGELIST disabled);
    HIMAGELIST NormalImages() const { return m_normalImages; }
    HIMAGELIST DisabledImages() const { return m_disabledImages; }
    void SetSizes(int imageWidth, int imageHeight, int buttonWidth, int buttonHeight);

    int ButtonCount() const;
    std::vector<ToolbarButton> Buttons() const;
    void DeleteAllButtons();
    // Buttons without texts (the records' text field is never a pointer here).
    void AddButtons(std::span<const ToolbarButton> buttons);
    void AddTextButton(int32_t command, int image, uint8_t state, const std::wstring& text);
    std::wstring ButtonText(int32_t command) const;
    bool HasVisibleButtons() const;

    // The catalogue is taken from the buttons on the toolbar now.
    void RecordCatalogue();
    void MarkDefaults();
    void SetCatalogue(ToolbarCatalogue catalogue);
    const ToolbarCatalogue& Catalogue() const { return m_catalogue; }
    bool HasCatalogue() const { return m_catalogueTaken; }

    // The platform's customise dialog for this toolbar (modal). The dialog's notifications
    // reach the toolbar's owner, which hands them to OnCustomiseNotify; `changed` runs after
    // the dialog changed or reset the buttons, `help` when the user asks for help.
    void Customise();
    void SetCustomiseHandlers(std::function<void()> changed, std::function<void()> help)
    {
        m_customiseChanged = std::move(changed);
        m_customiseHelp = std::move(help);
    }
    // True when `header` is one of the dialog's notifications; `result` is the answer.
    bool OnCustomiseNotify(const NMHDR& header, LRESULT& result);

    // Reads a toolbar file; with buttons from it, they replace the toolbar's. A failure is
    // reported to the user and leaves the toolbar as it is.
    bool LoadLayout(const std::wstring& file, bool wideRecords);
    // Writes the toolbar's buttons to a toolbar file; reports a failure.
    bool SaveLayout(const std::wstring& file) const;

    // The rebar the toolbar's band lives in (none in docking mode), the common bar height,
    // and what lays out the frame afterwards.
    void SetRebar(CReBarMain* rebar) { m_rebar = rebar; }
    void SetBarHeight(int height) { m_barHeight = height; }
    int BarHeight() const { return m_barHeight; }
    void SetFrameLayout(std::function<void()> layout) { m_frameLayout = std::move(layout); }
    // The favorites bar's band disappears while no favorite is shown on it.
    void SetHideBandWhenEmpty(bool hide) { m_hideBandWhenEmpty = hide; }
    // The user shows or hides the bar (menu "Ansicht"); a bar with nothing to show stays
    // hidden even when shown by the user.
    void SetUserVisible(bool visible);
    bool UserVisible() const { return m_userVisible; }
    // Whether the bar stands on the screen now (its band in rebar mode).
    bool IsShown() const;

    // Auto-size for every visible button, band sizes from the buttons' widths, frame layout.
    void Relayout();
    // Takes the buttons out and adds them again, so that the control measures them anew.
    void RebuildButtons();
    // The sum of the widths of the visible buttons.
    int FullWidth() const;
    bool IsBandResizable() const;
    void ToggleBandResizable();

    // Enables and checks the buttons as the command routing says.
    void UpdateCommandStates(CCommandTarget& target);

    // Buttons from the first whose centre lies outside the client area: what the chevron lists.
    std::vector<ToolbarButton> OverflowButtons() const;

private:
    int BandIndex() const;

    UniqueWindow m_window;
    UINT m_id = 0;
    bool m_dockable = true;
    HIMAGELIST m_normalImages = nullptr;
    HIMAGELIST m_disabledImages = nullptr;
    ToolbarCatalogue m_catalogue;
    bool m_catalogueTaken = false;
    CReBarMain* m_rebar = nullptr;
    int m_barHeight = 26;
    bool m_hideBandWhenEmpty = false;
    bool m_userVisible = true;
    std::function<void()> m_frameLayout;
    std::function<void()> m_customiseChanged;
    std::function<void()> m_customiseHelp;
};

} // namespace sv
