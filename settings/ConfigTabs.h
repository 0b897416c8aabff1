// "Tabs": the tab strip, the right-drag arrangement and the middle-click rules.
#pragma once

#include "ConfigPage.h"

namespace sv
{

class CConfigTabs : public CConfigPage
{
public:
    explicit CConfigTabs(ConfigContext& context);

protected:
    void OnInitPage() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    // A button of the middle-click grid was chosen: the other rows make room.
    void OnModifierChosen(UINT id) const;
};

} // namespace sv
