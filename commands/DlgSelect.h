// "Objekte auswählen": marks items of the active pane by a typed mask or a saved view
// filter. It stays open (modeless) while the user selects, so selections add up.
#pragma once

#include "SelectionTarget.h"
#include "framework/Dialog.h"

#include <string>

namespace sv
{

class CDlgSelect : public CDialog
{
public:
    explicit CDlgSelect(ISelectionTarget& target);

    // Created the first time, shown and activated afterwards.
    void Show(HWND owner);
    bool IsShown() const;

    // Mode 0: the mask, 1: the chosen filter.
    int Mode() const;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void OnOk() override { Close(); }
    void OnCancel() override { Close(); }

private:
    void LoadMasks();
    void LoadFilters();
    void StoreMasks();
    void SetMode(int mode);
    void ApplyMaskOrFilter(bool select);
    bool Checked(int id) const;
    void Close();

    ISelectionTarget& m_target;
};

} // namespace sv
