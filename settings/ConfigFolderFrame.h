// "Ordnerfenster": start folder, view of new windows and its template, list-view styles,
// font, column widths, mouse and the explorer interface.
#pragma once

#include "ConfigPage.h"

#include <array>
#include <optional>

namespace sv
{

class CConfigFolderFrame : public CConfigPage
{
public:
    explicit CConfigFolderFrame(ConfigContext& context);

protected:
    void OnInitPage() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void OnApply() override;

private:
    void ChooseStartFolder();
    void ShowStartFolder() const;
    void TakeTemplate();
    void OnTemplateViewChosen();
    void ChooseUserFont();
    // The column bounds mean something only while the widths are fitted.
    void FollowAutoWidth() const;

    ItemIdList m_startFolder;
    std::optional<ViewTemplate> m_template;
    std::array<uint8_t, 92> m_userFont{};
};

} // namespace sv
