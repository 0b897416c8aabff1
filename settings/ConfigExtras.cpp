#include "ConfigExtras.h"

#include "ConfigTexts.h"
#include "framework/MessageSeam.h"
#include "model/ConfigRules.h"
#include "res/resource.h"

#include <commdlg.h>
#include <shlobj.h>

namespace sv
{

namespace
{
std::wstring ProgramFilesFolder()
{
    wchar_t path[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILES, nullptr, SHGFP_TYPE_CURRENT, path)))
        return {};
    return path;
}
} // namespace

CConfigExtras::CConfigExtras(ConfigContext& context)
    : CConfigPage(IDD_CONFIG_EXTRAS, SettingsPage::Extras, context)
{
}

bool CConfigExtras::OnCommand(UINT id, UINT code, HWND control)
{
    CConfigPage::OnCommand(id, code, control);
    if (code != BN_CLICKED) return true;
    if (id == IDC_EXTRAS_CHOOSE_COMPARE) ChooseProgram(IDC_EXTRAS_COMPARE, true);
    if (id == IDC_EXTRAS_CHOOSE_SEARCH) ChooseProgram(IDC_EXTRAS_SEARCH, false);
    return true;
}

void CConfigExtras::ChooseProgram(int edit, bool compare)
{
    FileDialogRequest request;
    request.owner = Hwnd();
    request.title = compare ? text::kChooseCompareProgram : text::kChooseSearchProgram;
    request.filter = text::kProgramFilter;
    request.initialFolder = ProgramFilesFolder();
    request.flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    const std::optional<std::wstring> program = ChooseFile(request);
    if (!program) return;
    const std::wstring command = compare ? CompareProgramCommand(*program) : SearchProgramCommand(*program);
    ::SetDlgItemTextW(Hwnd(), edit, command.c_str());
}

} // namespace sv
