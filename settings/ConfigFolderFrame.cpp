#include "ConfigFolderFrame.h"

#include "ConfigTexts.h"
#include "framework/MessageSeam.h"
#include "res/resource.h"
#include "shell/ItemIdListConversion.h"
#include "shell/Utils.h"

#include <cstring>
#include <iterator>
#include <string_view>
#include <tuple>

namespace sv
{

namespace
{
static_assert(sizeof(LOGFONTW) == std::tuple_size_v<decltype(CParams::userFont)>,
              "the settings hold the platform's logical font");

bool FontIsSet(const LOGFONTW& font)
{
    return font.lfFaceName[0] != L'\0';
}
} // namespace

CConfigFolderFrame::CConfigFolderFrame(ConfigContext& context)
    : CConfigPage(IDD_CONFIG_FOLDERFRAME, SettingsPage::FolderFrame, context)
{
}

void CConfigFolderFrame::OnInitPage()
{
    CConfigPage::OnInitPage();
    m_startFolder = Settings().startFolder;
    m_userFont = Settings().userFont;
    ShowStartFolder();
    SetSpinRange(IDC_FOLDER_WIDTH_MIN_SPIN, 1, 32767);
    SetSpinRange(IDC_FOLDER_WIDTH_MAX_SPIN, 1, 32767);
    FollowAutoWidth();
}

bool CConfigFolderFrame::OnCommand(UINT id, UINT code, HWND control)
{
    CConfigPage::OnCommand(id, code, control);
    if (code != BN_CLICKED) return true;
    switch (id)
    {
    case IDC_FOLDER_CHOOSE_START: ChooseStartFolder(); break;
    case IDC_FOLDER_TAKE_TEMPLATE: TakeTemplate(); break;
    case IDC_FOLDER_TEMPLATE_VIEW: OnTemplateViewChosen(); break;
    case IDC_FOLDER_USER_FONT: ChooseUserFont(); break;
    case IDC_FOLDER_AUTO_WIDTH: FollowAutoWidth(); break;
    }
    return true;
}

void CConfigFolderFrame::OnApply()
{
    CParams& settings = Settings();
    const int32_t minimum = settings.columnWidthMin;
    const int32_t maximum = settings.columnWidthMax;
    CConfigPage::OnApply();
    // A range whose maximum lies below its minimum is not taken over.
    if (settings.columnWidthMax < settings.columnWidthMin)
    {
        settings.columnWidthMin = minimum;
        settings.columnWidthMax = maximum;
    }
    settings.startFolder = m_startFolder;
    settings.userFont = m_userFont;
    if (m_template)
    {
        settings.templateViewState = m_template->viewState;
        settings.templateFolderViewMode = m_template->folderViewMode;
        settings.templateFolderFlags = m_template->folderFlags;
        settings.templateViewMode = StoredViewMode(m_template->viewMode);
    }
    RememberShownPage();
}

void CConfigFolderFrame::ChooseStartFolder()
{
    FolderDialogRequest request;
    request.owner = Hwnd();
    request.title = text::kChooseStartFolder;
    request.anyFolder = true;
    const std::optional<std::wstring> chosen = ChooseFolder(request);
    if (!chosen) return;
    const AbsolutePidl folder = Utils().ParseDisplayName(*chosen);
    if (!folder) return;
    m_startFolder = ToItemIdList(folder.Get());
    ShowStartFolder();
}

void CConfigFolderFrame::ShowStartFolder() const
{
    const AbsolutePidl folder = ToShellAllocated(m_startFolder);
    const std::wstring name =
        folder ? Utils().DisplayName(folder.Get(), SHGDN_NORMAL) : std::wstring();
    ::SetDlgItemTextW(Hwnd(), IDC_FOLDER_START_FOLDER, name.c_str());
}

void CConfigFolderFrame::TakeTemplate()
{
    ViewTemplate view;
    switch (Host().TakeViewTemplate(view))
    {
    case TemplateSource::NoFolderWindow: ShowError(Hwnd(), text::kOpenFolderWindowFirst); return;
    case TemplateSource::VirtualFolder: ShowError(Hwnd(), text::kNoVirtualTemplate); return;
    case TemplateSource::Taken: break;
    }
    m_template = std::move(view);
    ShowMessage(Hwnd(), text::kTemplateTaken, text::kProgramCaption, MB_OK);
    CheckRadio(IDC_FOLDER_STANDARD_VIEW, 2, 1);
}

void CConfigFolderFrame::OnTemplateViewChosen()
{
    if (m_template || !Settings().templateViewState.empty()) return;
    ShowError(Hwnd(), text::kChooseTemplateFirst);
    CheckRadio(IDC_FOLDER_STANDARD_VIEW, 2, 0);
}

void CConfigFolderFrame::ChooseUserFont()
{
    FontDialogRequest request;
    request.owner = Hwnd();
    std::memcpy(&request.initial, m_userFont.data(), sizeof(LOGFONTW));
    if (!FontIsSet(request.initial))
    {
        request.initial = LOGFONTW{};
        const HDC screen = ::GetDC(nullptr);
        const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
        if (screen) ::ReleaseDC(nullptr, screen);
        request.initial.lfHeight = -::MulDiv(text::kDefaultUserFontPoints, dpi, 72);
        request.initial.lfWeight = FW_NORMAL;
        request.initial.lfCharSet = DEFAULT_CHARSET;
        const std::wstring_view face = text::kDefaultUserFontFace;
        face.copy(request.initial.lfFaceName, std::size(request.initial.lfFaceName) - 1);
    }
    const std::optional<LOGFONTW> chosen = ChooseScreenFont(request);
    if (chosen)
    {
        std::memcpy(m_userFont.data(), &*chosen, sizeof(LOGFONTW));
        return;
    }
    // Without any user font, "Benutzer" would stand for nothing.
    LOGFONTW current{};
    std::memcpy(&current, m_userFont.data(), sizeof(LOGFONTW));
    if (!FontIsSet(current)) CheckRadio(IDC_FOLDER_SYSTEM_FONT, 2, 0);
}

void CConfigFolderFrame::FollowAutoWidth() const
{
    const bool fitted = IsChecked(IDC_FOLDER_AUTO_WIDTH);
    for (const int id :
         {IDC_FOLDER_WIDTH_MIN, IDC_FOLDER_WIDTH_MIN_SPIN, IDC_FOLDER_WIDTH_MAX, IDC_FOLDER_WIDTH_MAX_SPIN})
        EnableControl(id, fitted);
}

} // namespace sv
