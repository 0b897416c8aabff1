// "Einträge entfernen": the entries of a combo box's drop-down list, some of which go.
#pragma once

#include "framework/Dialog.h"

#include <string>
#include <vector>

namespace sv
{

class CDlgEditMask : public CDialog
{
public:
    explicit CDlgEditMask(std::vector<std::wstring> entries);
    // After OK: the entries that remain, in order.
    const std::vector<std::wstring>& Entries() const { return m_entries; }
    // Reads the combo box's list, runs the dialog and on OK refills the list; true on OK.
    static bool EditComboList(HWND owner, HWND combo);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void OnOk() override;

private:
    std::vector<std::wstring> m_entries;
};

} // namespace sv
