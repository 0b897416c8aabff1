// "Filter": the named view filters as a list, and the controls of the selected one. Each
// row carries its own copy of a filter; the controls are read into it when the row loses
// the selection and loaded from it when a row gains it.
#pragma once

#include "ConfigPage.h"
#include "ConfigToolbar.h"
#include "ExtListCtrl.h"

#include <vector>

namespace sv
{

class CConfigFilter : public CConfigPage
{
public:
    explicit CConfigFilter(ConfigContext& context);

protected:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnInitPage() override;
    bool OnKillActive() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    void OnApply() override;

private:
    struct Row
    {
        CFilter filter;
        int32_t origin; // the index in the program's list it was copied from, -1 for a new one
    };

    void CreateList();
    void FillChoices() const;
    int AddRow(Row row);
    void StoreRow(int row);
    void LoadRow(int row);
    void EnableEditing(bool enabled) const;
    // The text becomes an entry of the drop-down unless an equal one is there, which is
    // selected instead.
    void RecordInDropDown(int combo, const std::wstring& text) const;
    void EditDropDown(int combo) const;
    CMask DropDownHistory(int combo) const;

    void OnNew();
    void OnRename();
    void OnDelete();
    void OnMove(int delta);

    CExtListCtrl m_list;
    CConfigToolbar m_toolbar;
    std::vector<Row> m_rows;
    // Deleting and moving rows change the selection without the user choosing a row.
    bool m_ignoreSelection = false;
};

} // namespace sv
