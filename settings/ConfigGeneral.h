// "Allgemein": start, window arrangements, keyboard, view and folder tree options.
#pragma once

#include "ConfigPage.h"

namespace sv
{

class CConfigGeneral : public CConfigPage
{
public:
    explicit CConfigGeneral(ConfigContext& context);

protected:
    void OnInitPage() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void OnApply() override;

private:
    // "Automatisch reduzieren" only means something while "Bei Klick erweitern" is on.
    void FollowExpandOnClick() const;
};

} // namespace sv
