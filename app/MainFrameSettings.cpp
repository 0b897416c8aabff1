// What the settings dialog asks of the main frame, and what follows when its favorites and
// filter pages are confirmed.
#include "MainFrameSettings.h"

#include "DataFolder.h"
#include "MainFrame.h"
#include "framework/MessageSeam.h"
#include "model/ConfigRules.h"
#include "model/FavoritesFile.h"
#include "model/FileMessages.h"
#include "model/FilterFile.h"
#include "settings/ConfigSheet.h"
#include "shell/ItemIdListConversion.h"

#include <utility>
#include <vector>

namespace sv
{

namespace
{
template <typename Action> void ForEachPane(CMainFrame& frame, Action action)
{
    for (CChildFrame* window : frame.Windows().InTabOrder())
    {
        for (const PaneIndex index : kPaneIndices)
        {
            if (CFolderFrame* pane = window->Pane(index)) action(*pane);
        }
    }
}

class CFrameSettingsHost : public ISettingsHost
{
public:
    explicit CFrameSettingsHost(CMainFrame& frame) : m_frame(frame) {}

    HWND Owner() const override { return m_frame.Hwnd(); }

    TemplateSource TakeViewTemplate(ViewTemplate& view) override
    {
        CFolderFrame* pane = m_frame.ActivePane();
        if (!pane) return TemplateSource::NoFolderWindow;
        if (!pane->IsStorage()) return TemplateSource::VirtualFolder;
        view.viewState = pane->CurrentViewState();
        const StoredFolderSettings settings = pane->CurrentFolderSettings();
        view.folderViewMode = settings.viewMode;
        view.folderFlags = settings.flags;
        view.viewMode = pane->CurrentViewMode();
        return TemplateSource::Taken;
    }

    ItemIdList ActiveFolder() const override
    {
        const CFolderFrame* pane = m_frame.ActivePane();
        return pane && pane->CurrentFolder() ? ToItemIdList(pane->CurrentFolder().Get()) : ItemIdList();
    }

    int32_t ActiveFilterIndex() const override
    {
        const CFolderFrame* pane = m_frame.ActivePane();
        return pane ? pane->FilterIndex() : -1;
    }

    void ReplaceFavorites(CSolObjects favorites) override
    {
        m_frame.Favorites() = std::move(favorites);
        ForEachPane(m_frame, [](CFolderFrame& pane) { pane.FavoritesChanged(); });
        const WriteStatus status = WriteFavoritesFile(DataFilePath(kFavoritesFileName), m_frame.Favorites());
        if (const wchar_t* message = WriteFailureMessage(DataFileKind::Favorites, status))
            ShowError(m_frame.Hwnd(), message);
        m_frame.FillFavoritesBar();
        m_frame.LayoutAllBars();
    }

    void ReplaceFilters(CFilters filters, const std::vector<int32_t>& newIndices) override
    {
        // Each pane's filter as it was, before the list changes under it.
        std::vector<std::pair<CFolderFrame*, int32_t>> used;
        ForEachPane(m_frame,
                    [&](CFolderFrame& pane)
                    {
                        if (pane.FilterIndex() >= 0) used.emplace_back(&pane, pane.FilterIndex());
                    });
        m_frame.EditableFilters() = std::move(filters);
        for (const auto& [pane, index] : used)
            pane->SetFilterIndex(MapFilterIndex(newIndices, index));
        m_frame.Windows().RemapParkedFilters(newIndices);
        const WriteStatus status = WriteFiltersFile(DataFilePath(kFiltersFileName), m_frame.Filters());
        if (const wchar_t* message = WriteFailureMessage(DataFileKind::Filters, status))
            ShowError(m_frame.Hwnd(), message);
    }

    void ShowHelp() override { ::SendMessageW(m_frame.Hwnd(), WM_COMMAND, MAKEWPARAM(cmd::kHelp, 0), 0); }

private:
    CMainFrame& m_frame;
};
} // namespace

SettingsOutcome RunSettingsDialog(CMainFrame& frame, const SettingsRequest& request)
{
    CFrameSettingsHost host(frame);
    CConfigSheet sheet(host, frame.Shared(), request);
    return sheet.Run();
}

} // namespace sv
