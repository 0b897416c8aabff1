#include "ConfigSheet.h"

#include "ConfigTexts.h"

namespace sv
{

CConfigSheet::CConfigSheet(ISettingsHost& host, Services& services, const SettingsRequest& request)
    : CPropertySheet(text::kSettingsCaption), m_context{host, services, request, std::nullopt, {}}, m_general(m_context),
      m_folderFrame(m_context), m_addressBar(m_context), m_tabs(m_context), m_filter(m_context),
      m_favorites(m_context), m_extras(m_context)
{
    // In the order of SettingsPage.
    for (CPropertyPage* page : std::initializer_list<CPropertyPage*>{
             &m_general, &m_folderFrame, &m_addressBar, &m_tabs, &m_filter, &m_favorites, &m_extras})
        AddPage(*page);
    SetStartPage(static_cast<int>(request.page));
}

SettingsOutcome CConfigSheet::Run()
{
    // The filter page's date pickers.
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_DATE_CLASSES | ICC_BAR_CLASSES | ICC_UPDOWN_CLASS};
    ::InitCommonControlsEx(&controls);
    SettingsOutcome outcome;
    outcome.confirmed = DoModal(m_context.host.Owner()) == IDOK;
    if (outcome.confirmed) outcome.rememberedPage = m_context.rememberedPage;
    return outcome;
}

} // namespace sv
