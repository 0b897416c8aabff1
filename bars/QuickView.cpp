#include "QuickView.h"

#include "BarIds.h"
#include "PictureCtrl.h"
#include "folder/FolderFrame.h"

#include <windowsx.h>

namespace sv
{

CQuickView::CQuickView(Services& services)
{
    // Only the active pane tells; a hidden bar loads nothing.
    m_selectionChanged = services.paneEvents.selectionChanged.Connect(
        [this](CFolderFrame& pane)
        {
            if (m_bar && ::IsWindowVisible(m_bar->Hwnd()) && pane.View()) Follow(pane.FocusedItemPath());
        });
}
CQuickView::~CQuickView() = default;

bool CQuickView::Create(CMyBar& bar)
{
    m_bar = &bar;
    m_picture = std::make_unique<CPictureCtrl>();
    if (!m_picture->Create(bar.Hwnd(), kPictureId)) return false;
    m_picture->SetLoadedHandler([this](const PictureLoadOutcome& outcome) { OnLoaded(outcome); });
    bar.SetChild(m_picture->Hwnd());
    m_barMenu.picture = m_picture.get();
    m_barMenu.Install(bar.Hwnd());
    return true;
}

LRESULT CQuickView::BarMenu::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The border and caption are the bar's non-client area, where the default handling of a
    // right click does not ask for a context menu everywhere (Wine's runs a system-menu loop
    // that takes the release): the press is ours, and the release opens the menu.
    if (message == WM_NCRBUTTONDOWN && picture) return 0;
    if ((message == WM_CONTEXTMENU || message == WM_NCRBUTTONUP) && picture)
    {
        picture->ShowRotateMenu(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    }
    return Default(message, wParam, lParam);
}

void CQuickView::Follow(const std::wstring& path)
{
    if (!m_picture || path == m_lastPath) return;
    // Remembered at once, so that further updates for the same focus wait for this load.
    m_lastPath = path;
    m_picture->Load(path);
}

void CQuickView::OnLoaded(const PictureLoadOutcome& outcome)
{
    if (outcome.file == PictureFileStatus::SharingViolation)
    {
        if (m_lastPath == outcome.path) m_lastPath.clear();
        return;
    }
    if (outcome.file != PictureFileStatus::Read && outcome.file != PictureFileStatus::TooLarge) return;
    const size_t slash = outcome.path.find_last_of(L'\\');
    const std::wstring name = slash == std::wstring::npos ? outcome.path : outcome.path.substr(slash + 1);
    if (m_bar && m_bar->Hwnd())
        ::SetWindowTextW(m_bar->Hwnd(), (std::wstring(kQuickViewBarText) + L"  " + name).c_str());
}

} // namespace sv
