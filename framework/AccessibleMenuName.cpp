#include "framework/AccessibleMenuName.h"

namespace sv
{

void AttachAccessibleName(HMENU menu, UINT position, AccessibleMenuName& record)
{
    record.info.dwMSAASignature = static_cast<DWORD>(MSAA_MENU_SIG);
    record.info.cchWText = static_cast<DWORD>(record.name.size());
    record.info.pszWText = record.name.data();
    MENUITEMINFOW item{sizeof(item)};
    item.fMask = MIIM_DATA;
    item.dwItemData = reinterpret_cast<ULONG_PTR>(&record);
    ::SetMenuItemInfoW(menu, position, TRUE, &item);
}

} // namespace sv
