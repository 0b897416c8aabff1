#include "MissingFolder.h"

#include "framework/MessageSeam.h"
#include "model/PathText.h"

namespace sv
{

std::wstring MissingFolderPath(const CUtils& utils, const ITEMIDLIST* folder)
{
    if (!folder) return {};
    const ItemPath path = utils.Path(folder);
    // Only real paths can be asked; a virtual folder that is gone fails to bind instead.
    if (!path.isFileSystemPath || !IsFileSystemPathText(path.text)) return {};
    return ::GetFileAttributesW(path.text.c_str()) == INVALID_FILE_ATTRIBUTES ? path.text : std::wstring();
}

void ReportMissingFolder(HWND owner, const CParams& settings, const std::wstring& path)
{
    if (!settings.errorOnMissingFolder || path.empty()) return;
    ShowError(owner, L"Der Ordner \"" + path + L"\" existiert nicht.");
}

} // namespace sv
