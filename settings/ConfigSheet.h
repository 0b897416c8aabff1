// CConfigSheet "Einstellungen": the settings dialog with its seven pages.
#pragma once

#include "ConfigAddressBar.h"
#include "ConfigExtras.h"
#include "ConfigFavorites.h"
#include "ConfigFilter.h"
#include "ConfigFolderFrame.h"
#include "ConfigGeneral.h"
#include "ConfigTabs.h"
#include "framework/PropertySheet.h"

namespace sv
{

class CConfigSheet : public CPropertySheet
{
public:
    CConfigSheet(ISettingsHost& host, Services& services, const SettingsRequest& request);

    // Runs the dialog at the requested page. Every page that was shown has stored its values
    // when it returns confirmed; a cancelled dialog changed nothing.
    SettingsOutcome Run();

protected:
    void OnHelp() override { m_context.host.ShowHelp(); }

private:
    ConfigContext m_context;
    CConfigGeneral m_general;
    CConfigFolderFrame m_folderFrame;
    CConfigAddressBar m_addressBar;
    CConfigTabs m_tabs;
    CConfigFilter m_filter;
    CConfigFavorites m_favorites;
    CConfigExtras m_extras;
};

} // namespace sv
