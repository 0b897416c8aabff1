// A folder that a window record, the start folder or a favorite names and that is gone. Such a
// window falls back to Computer; with errorOnMissingFolder the user is told why first.
#pragma once

#include "model/Params.h"
#include "shell/Utils.h"

#include <windows.h>

#include <string>

namespace sv
{

// The path of `folder` when it is a drive or network path that does not exist; else empty.
std::wstring MissingFolderPath(const CUtils& utils, const ITEMIDLIST* folder);
// "Der Ordner "<path>" existiert nicht." as an error, when the settings ask for it.
void ReportMissingFolder(HWND owner, const CParams& settings, const std::wstring& path);

} // namespace sv
