// The pane's quick filter: the edit in the caption row and what it puts in force.
#include "FolderFrame.h"

namespace sv
{

void CFolderFrame::CreateQuickFilterEdit()
{
    CEditQuickFilter::Callbacks callbacks;
    callbacks.apply = [this](const std::wstring& text) { ApplyQuickFilterText(text); };
    callbacks.toggle = [this] { ToggleQuickFilter(); };
    m_quickFilterEdit.Create(m_captionBar.Hwnd() ? m_captionBar.Hwnd() : Hwnd(), std::move(callbacks));
}

bool CFolderFrame::QuickFilterShown() const
{
    return m_quickFilter.IsShown();
}

void CFolderFrame::ToggleQuickFilter()
{
    if (m_quickFilter.IsShown())
        HideQuickFilter();
    else
        ShowQuickFilter();
}

void CFolderFrame::ShowQuickFilter()
{
    if (!m_quickFilterEdit.Hwnd()) return;
    m_quickFilterEdit.Show();
    // Text typed while the edit was hidden has not been applied: it goes through the
    // typing pause now, so that the edit never shows a text other than the one in force.
    if (m_quickFilterEdit.Text() != m_quickFilter.AppliedText()) m_quickFilterEdit.RestartPause();
    if (m_quickFilter.Show()) RefreshView();
    Layout();
}

void CFolderFrame::HideQuickFilter()
{
    if (!m_quickFilter.IsShown()) return;
    const bool editHadFocus = ::GetFocus() == m_quickFilterEdit.Edit();
    m_quickFilterEdit.Hide();
    if (editHadFocus) ::SetFocus(Hwnd()); // the pane hands it on to its view
    // Refreshed whenever a text was applied, an invalid one too: a view enumerated while it
    // stood is empty and must show its items again.
    if (m_quickFilter.Hide()) RefreshView();
    Layout();
}

void CFolderFrame::ApplyQuickFilterText(const std::wstring& text)
{
    if (m_quickFilter.Apply(text)) RefreshView();
}

} // namespace sv
