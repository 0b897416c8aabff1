// The common part of the settings pages. The controls of the settings that the field table
// binds to a page are loaded from the settings when the page is first shown, their numbers
// are checked when the page is left, and they are stored when the dialog is confirmed.
#pragma once

#include "ConfigToolbar.h"
#include "ExtListCtrl.h"
#include "SettingsHost.h"
#include "folder/Services.h"
#include "shell/Utils.h"
#include "framework/PropertySheet.h"
#include "model/SettingsPage.h"

#include <optional>

namespace sv
{

// Posted to a page to start editing a row's label once the page stands on the screen
// (wParam: the row).
inline constexpr UINT kStartLabelEditMessage = WM_APP + 1;

// What every page of one run of the dialog shares.
struct ConfigContext
{
    ISettingsHost& host;
    Services& services;
    SettingsRequest request;
    // Set by the pages that remember the page shown when the dialog is confirmed.
    std::optional<SettingsPage> rememberedPage;
    // Folder names and parsing for the pages that choose folders.
    CUtils utils;
};

class CConfigPage : public CPropertyPage
{
public:
    CConfigPage(UINT templateId, SettingsPage page, ConfigContext& context)
        : CPropertyPage(templateId), m_page(page), m_context(context)
    {
    }

protected:
    void OnInitPage() override;
    bool OnKillActive() override;
    void OnApply() override;

    ISettingsHost& Host() const { return m_context.host; }
    CParams& Settings() const { return m_context.services.settings; }
    Services& Shared() const { return m_context.services; }
    CUtils& Utils() const { return m_context.utils; }
    ConfigContext& Context() const { return m_context; }
    // The page shown now becomes the one the next "Einstellungen..." opens.
    void RememberShownPage();

    // The number an edit holds, if it holds a whole one.
    std::optional<int32_t> NumberIn(int id) const;
    void SetNumber(int id, int32_t value) const;
    // Tells the user and puts the focus on the edit when it holds no whole number.
    bool RequireWholeNumber(int id) const;
    void SetSpinRange(int spin, int low, int high) const;
    // The radio button of `choices` with consecutive ids from `first` that is checked, or -1.
    int CheckedRadio(int first, int choices) const;
    void CheckRadio(int first, int choices, int value) const;
    // The messages of a page with a list editor and its toolbar: the label edit started once
    // the page stands, and the toolbar's frame painted. True when the message was one of them.
    bool OnListEditorMessage(UINT message, WPARAM wParam, const CExtListCtrl& list,
                             const CConfigToolbar& toolbar) const;

private:
    SettingsPage m_page;
    ConfigContext& m_context;
};

} // namespace sv
