// "Adressleiste": what the caption bar's address field shows.
#pragma once

#include "ConfigPage.h"

namespace sv
{

class CConfigAddressBar : public CConfigPage
{
public:
    explicit CConfigAddressBar(ConfigContext& context);

protected:
    void OnInitPage() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
};

} // namespace sv
