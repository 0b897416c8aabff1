#include "FolderWindows.h"

#include "MainFrame.h"
#include "model/Arrangement.h"
#include "shell/ItemIdListConversion.h"

#include <shellapi.h>

#include <algorithm>

namespace sv
{

namespace
{
// 0 none, 1 Ctrl, 2 Ctrl and Shift.
int HeldModifiers()
{
    const bool control = ::GetKeyState(VK_CONTROL) < 0;
    const bool shift = ::GetKeyState(VK_SHIFT) < 0;
    return control ? (shift ? 2 : 1) : 0;
}
} // namespace

CFolderWindows::CFolderWindows(CMainFrame& frame) : m_frame(frame), m_services(frame.Shared())
{
    FrameEvents& events = m_services.frameEvents;
    m_windowActivated =
        events.windowActivated.Connect([this](CChildFrame& window) { WindowActivated(window); });
    m_windowClosed = events.windowClosed.Connect([this](CChildFrame& window) { WindowDestroyed(window); });
    // A window's folders and view modes are part of the arrangement.
    m_paneNavigated =
        m_services.paneEvents.navigated.Connect([this](CFolderFrame&) { m_frame.ArrangementChanged(); });
    m_viewModeChanged = m_services.paneEvents.viewModeChanged.Connect([this](CFolderFrame&)
                                                                      { m_frame.ArrangementChanged(); });
    m_settingsChanged = events.settingsChanged.Connect(
        [this]
        {
            ApplySettings();
            ApplyTabOptions();
        });
}

bool CFolderWindows::CreateTabStrip(UINT id)
{
    if (!m_tabStrip.Create(m_frame.Hwnd(), id, *this)) return false;
    m_tabStrip.SetTabHeight(m_services.settings.tabHeight);
    m_tabStrip.SetFrameLayout([this] { m_frame.RecalcLayout(); });
    return true;
}

void CFolderWindows::ApplyTabOptions()
{
    const CParams& settings = m_services.settings;
    TabStripOptions options;
    options.showDynamically = settings.tabsShowDynamically;
    options.closeOnDoubleClick = settings.tabCloseOnDoubleClick;
    options.rightDragArrangement = settings.rightDragArrangement;
    options.showToolTips = settings.tabShowToolTips;
    options.markFavoriteTabs = settings.markFavoriteTabs;
    options.tabHeight = settings.tabHeight;
    m_tabStrip.ApplyOptions(options);
    m_frame.RecalcLayout();
}

CFolderWindows::~CFolderWindows()
{
    m_destroying = true;
    m_windows.clear();
}

CChildFrame* CFolderWindows::ActiveFolderWindow() const
{
    const HWND active = m_frame.ActiveChild();
    return active ? FolderWindowOf(active) : nullptr;
}

CFolderFrame* CFolderWindows::ActivePane() const
{
    const CChildFrame* window = ActiveFolderWindow();
    return window ? window->ActivePane() : nullptr;
}

CChildFrame* CFolderWindows::FolderWindowOf(HWND hwnd) const
{
    for (const auto& window : m_windows)
    {
        if (hwnd && window->Hwnd() == hwnd) return window.get();
    }
    return nullptr;
}

CChildFrame* CFolderWindows::WindowOfItem(LPARAM item) const
{
    for (const auto& window : m_windows)
    {
        if (reinterpret_cast<LPARAM>(window.get()) == item) return window.get();
    }
    return nullptr;
}

CChildFrame* CFolderWindows::CreateFolderWindow(const CSolObject& record)
{
    CSolObject shown = record;
    StoredPlacement empty{};
    // The first window into an empty frame, placed nowhere yet, fills the frame.
    if (!ActiveFolderWindow() && record.placement == empty)
        SetPlacementShowCommand(shown.placement, SW_SHOWMAXIMIZED);
    auto window = std::make_unique<CChildFrame>(m_frame, m_services, &m_frame);
    m_frame.ShowMenuFor(true);
    if (!window->CreateFromRecord(m_frame, shown))
    {
        m_frame.ShowMenuFor(!m_windows.empty());
        return nullptr;
    }
    // The copy above forgot the record's tab position: a copied record asks for no place.
    CDlgBarTab& strip = m_tabStrip;
    const int tab = TabInsertIndex(record.tabPosition, strip.TabCount());
    strip.InsertTab(tab, window->Label().tabText, reinterpret_cast<LPARAM>(window.get()));
    m_windows.push_back(std::move(window));
    CChildFrame& added = *m_windows.back();
    m_tabConnections[&added] =
        added.TabChanged().Connect([this](CChildFrame& changed) { UpdateTabOf(changed); });
    // Wine leaves the child's title in the frame caption after a maximised creation.
    ::SetWindowTextW(m_frame.Hwnd(), CMainFrame::kTitle);
    SyncTabs();
    m_frame.UpdateBarCommandStates();
    m_services.frameEvents.windowOpened.Emit(added);
    return &added;
}

int CFolderWindows::TabIndexOf(const CChildFrame& window) const
{
    return m_tabStrip.FindTab(reinterpret_cast<LPARAM>(&window));
}

std::vector<CChildFrame*> CFolderWindows::InTabOrder() const
{
    std::vector<CChildFrame*> windows;
    const CDlgBarTab& strip = m_tabStrip;
    const int count = strip.TabCount();
    for (int i = 0; i < count; ++i)
    {
        if (CChildFrame* window = WindowOfItem(strip.TabItem(i))) windows.push_back(window);
    }
    return windows;
}

bool CFolderWindows::CloseAll()
{
    // Tabs without windows go first, so that closing the last window makes none of them.
    while (!m_parked.empty())
        DropParked(*m_parked.back());
    while (!m_windows.empty())
    {
        CChildFrame* window = ActiveFolderWindow();
        if (!window) window = m_windows.front().get();
        const size_t before = m_windows.size();
        ::SendMessageW(window->Hwnd(), WM_CLOSE, 0, 0);
        // A window that stays would keep this loop going for ever.
        if (m_windows.size() >= before) return false;
    }
    return true;
}

void CFolderWindows::ActivateNextTab(bool backwards)
{
    const CDlgBarTab& strip = m_tabStrip;
    const int count = strip.TabCount();
    if (count == 0) return;
    const CChildFrame* active = ActiveFolderWindow();
    int index = active ? TabIndexOf(*active) : -1;
    index = index < 0 ? 0 : (index + (backwards ? count - 1 : 1)) % count;
    ActivateTab(strip.TabItem(index));
}

void CFolderWindows::MoveSelectedTab(int delta)
{
    if (!ActiveFolderWindow()) return;
    m_tabStrip.MoveSelectedTab(delta);
}

void CFolderWindows::SplitActiveWindow(SplitMode splitMode)
{
    CChildFrame* window = ActiveFolderWindow();
    if (!window) return;
    CSolObject record;
    record.splitMode = splitMode;
    window->AddSecondPane(record);
}

void CFolderWindows::SwapActivePanes()
{
    if (CChildFrame* window = ActiveFolderWindow(); window && window->PaneCount() == 2) window->SwapPanes();
}

bool CFolderWindows::HandToShell(const ITEMIDLIST* folder)
{
    if (m_frame.Os() < OsKind::Win7_64 || !m_frame.Utils().OnlyTheShellOpens(folder)) return false;
    SHELLEXECUTEINFOW execute{sizeof(execute)};
    execute.fMask = SEE_MASK_IDLIST;
    execute.lpIDList = const_cast<ITEMIDLIST*>(folder);
    execute.nShow = SW_SHOWNORMAL;
    ::ShellExecuteExW(&execute);
    return true;
}

bool CFolderWindows::OpensInActivePane(OpenMode mode) const
{
    const CChildFrame* active = ActiveFolderWindow();
    return active && active->ActivePane() &&
           (mode == OpenMode::ActivePane || (mode == OpenMode::ActivePaneUnlessModifier &&
                                             HeldModifiers() == 0 && ::GetKeyState(VK_SHIFT) >= 0));
}

bool CFolderWindows::OpenFolder(AbsolutePidl folder, AbsolutePidl second, OpenMode mode, bool focus,
                                WindowPlacement defaultPlacement)
{
    if (!folder) return false;
    if (HandToShell(folder.Get())) return true;
    CChildFrame* active = ActiveFolderWindow();
    const int modifiers = HeldModifiers();
    if (OpensInActivePane(mode)) return active->ActivePane()->BrowseTo(std::move(folder), focus);
    const CParams& params = m_frame.Params();
    WindowPlacement placement = defaultPlacement;
    if (modifiers == params.newTabRightModifier)
        placement = WindowPlacement::RightEnd;
    else if (modifiers == params.newTabNextModifier)
        placement = WindowPlacement::NextToActiveTab;
    else if (modifiers == params.splitViewModifier)
        placement = WindowPlacement::SplitActive;
    if (placement == WindowPlacement::SplitActive)
    {
        if (active && active->PaneCount() == 1)
        {
            CSolObject split;
            split.splitMode = SplitMode::SideBySide;
            split.Pane(PaneIndex::Second).folder = ToItemIdList(folder.Get());
            if (active->AddSecondPane(split)) return true;
        }
        placement = WindowPlacement::RightEnd;
    }
    CSolObject record;
    record.Pane(PaneIndex::First).folder = ToItemIdList(folder.Get());
    if (second)
    {
        record.Pane(PaneIndex::Second).folder = ToItemIdList(second.Get());
        record.splitMode = SplitMode::SideBySide;
    }
    record.activate = true;
    const int activeTab = active ? TabIndexOf(*active) : -1;
    record.tabPosition = placement == WindowPlacement::NextToActiveTab && activeTab >= 0 ? activeTab + 1 : -1;
    return CreateFolderWindow(record) != nullptr;
}

void CFolderWindows::SyncTabs()
{
    if (m_destroying) return;
    // Labels follow folders, so every change of a window's folder, panes or tab passes here.
    m_frame.ArrangementChanged();
    // Windows being restored get their tabs with their labels; the strip is put right once after.
    if (m_services.restoring) return;
    CDlgBarTab& strip = m_tabStrip;
    for (const auto& window : m_windows)
        strip.SetTabText(TabIndexOf(*window), window->Label().tabText);
    if (const CChildFrame* active = ActiveFolderWindow()) strip.SelectTab(TabIndexOf(*active));
    if (const HWND tabs = strip.TabControl()) ::InvalidateRect(tabs, nullptr, FALSE);
}

void CFolderWindows::UpdateTabOf(CChildFrame& window)
{
    if (m_destroying) return;
    m_frame.ArrangementChanged();
    if (m_services.restoring) return;
    CDlgBarTab& strip = m_tabStrip;
    const int index = TabIndexOf(window);
    if (index < 0) return;
    const bool relabelled = strip.SetTabText(index, window.Label().tabText);
    // A new label moves the tabs after it (the control leaves the old, wider tab's pixels
    // behind under Wine): the row is painted again. Otherwise only this tab's colours may have
    // changed with its folders.
    RECT tab{};
    if (const HWND tabs = strip.TabControl(); tabs && relabelled)
        ::InvalidateRect(tabs, nullptr, FALSE);
    else if (tabs && ::SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index),
                                    reinterpret_cast<LPARAM>(&tab)))
        ::InvalidateRect(tabs, &tab, FALSE);
    // The favorites bar marks the favorites that are open.
    if (const HWND favorites = m_frame.FavoritesBar().Hwnd()) ::InvalidateRect(favorites, nullptr, FALSE);
}

void CFolderWindows::WindowActivated(CChildFrame& window)
{
    if (m_services.restoring || m_destroying) return;
    m_tabStrip.SelectTab(TabIndexOf(window));
    // The stacking order is part of the arrangement.
    m_frame.ArrangementChanged();
}

void CFolderWindows::WindowDestroyed(CChildFrame& window)
{
    const auto it =
        std::find_if(m_windows.begin(), m_windows.end(),
                     [&](const std::unique_ptr<CChildFrame>& owned) { return owned.get() == &window; });
    if (it == m_windows.end()) return;
    if (!m_destroying) m_tabStrip.RemoveTab(TabIndexOf(window));
    m_tabConnections.erase(&window);
    m_windows.erase(it); // the window's handle is gone already
    m_frame.ShowMenuFor(!m_windows.empty());
    if (m_destroying) return;
    // The last window went, but tabs without windows are left: one of them gets its window.
    if (m_windows.empty() && !m_parked.empty())
    {
        UnparkSelected();
        return;
    }
    // With the last tab goes the last status line.
    if (m_windows.empty()) ::SetWindowTextW(m_frame.StatusBar().Hwnd(), L"");
    SyncTabs();
    m_frame.UpdateBarCommandStates();
    m_frame.RecalcLayout();
}

void CFolderWindows::ApplySettings()
{
    for (const auto& window : m_windows)
        window->ApplySettings();
    // Labels and colours of tabs without windows follow the settings and favorites too.
    for (const auto& parked : m_parked)
    {
        DescribeParked(*parked);
        m_tabStrip.SetTabText(m_tabStrip.FindTab(reinterpret_cast<LPARAM>(parked.get())),
                              parked->label.tabText);
    }
    SyncTabs();
}

} // namespace sv
