// "Favoriten": the favorites as a list with name, folder, button and colour, their colour
// options, and the toolbar that adds, renames, re-points, deletes and moves them.
#pragma once

#include "ConfigPage.h"
#include "ConfigToolbar.h"
#include "ExtListCtrl.h"

#include <vector>

namespace sv
{

class CConfigFavorites : public CConfigPage
{
public:
    explicit CConfigFavorites(ConfigContext& context);

protected:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnInitPage() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    void OnApply() override;

private:
    void CreateList();
    void AddRow(CSolObject favorite);
    // A folder the user chose as a new favorite, or for the selected one.
    bool ChooseFavoriteFolder(ItemIdList& folder) const;
    void AddFavorite(const ItemIdList& folder);
    void OnNew();
    void OnChangeFolder();
    void OnRename();
    void OnDelete();
    void OnMove(int delta);

    bool AutomaticColors() const;
    void DistributeHues();
    // Slider, number and spin show the selected favorite's colour, editable while one is
    // selected and colours are not given out automatically.
    void ShowSelectedColor();
    void OnSliderMoved();
    void OnColorNumberChanged();
    void StepColor(int delta);
    void OnAutomaticColors();
    LRESULT OnListCustomDraw(NMLVCUSTOMDRAW& draw) const;
    LRESULT OnSliderCustomDraw(NMCUSTOMDRAW& draw) const;

    CExtListCtrl m_list;
    CConfigToolbar m_toolbar;
    // One copy per row, in the order of the rows.
    std::vector<CSolObject> m_rows;
    bool m_showingColor = false;
};

} // namespace sv
