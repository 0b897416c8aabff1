// "Extras": the command lines of the external compare and search programs.
#pragma once

#include "ConfigPage.h"

namespace sv
{

class CConfigExtras : public CConfigPage
{
public:
    explicit CConfigExtras(ConfigContext& context);

protected:
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    // The system's file dialog; the chosen program with its placeholders replaces the edit.
    void ChooseProgram(int edit, bool compare);
};

} // namespace sv
