#include "LabelEditor.h"

#include "framework/WindowText.h"

#include <commctrl.h>

#include <string>

namespace sv
{

HWND LabelEditor(HWND list)
{
    return list ? reinterpret_cast<HWND>(::SendMessageW(list, LVM_GETEDITCONTROL, 0, 0)) : nullptr;
}

void SelectNameWithoutExtension(HWND editor)
{
    const std::wstring name = WindowText(editor);
    const size_t dot = name.rfind(L'.');
    const size_t end = dot == std::wstring::npos || dot == 0 ? name.size() : dot;
    ::SendMessageW(editor, EM_SETSEL, 0, static_cast<LPARAM>(end));
}

void SelectWholeName(HWND editor)
{
    ::SendMessageW(editor, EM_SETSEL, 0, -1);
}

} // namespace sv
