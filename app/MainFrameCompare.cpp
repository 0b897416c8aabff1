// CMainFrame: the compare commands of the active window (two files, built in or by the
// user's program; the two folders of a split window) and "Objekte auswählen".
#include "FrameSelectionTarget.h"
#include "MainFrame.h"

#include "commands/CompareFilesWin32.h"
#include "commands/DlgCompareFolders.h"
#include "commands/DlgSelect.h"
#include "folder/ListViewItems.h"
#include "folder/SelectByFilter.h"
#include "framework/MessageSeam.h"
#include "framework/ProgramStart.h"
#include "framework/ProgressRunner.h"
#include "framework/WaitCursor.h"
#include "model/HelpTopics.h"
#include "model/Texts.h"
#include "shell/ShellViewCommands.h"

#include <shellapi.h>

namespace sv
{

namespace
{

std::wstring WithPath(const wchar_t* pattern, const std::wstring& path)
{
    std::wstring text = pattern;
    if (const size_t at = text.find(L"%s"); at != std::wstring::npos) text.replace(at, 2, path);
    return text;
}

PaneMarks MarksOf(const CFolderFrame& pane)
{
    PaneMarks marks;
    marks.fileSystem = pane.IsStorage() && !pane.PathText().empty();
    marks.folder = pane.PathText();
    marks.markedLabels = ListLabels(pane.ListView(), true);
    return marks;
}

bool IsFolderOrVolume(const std::optional<CompareFileStatus>& status)
{
    return status && (status->attributes & (kAttributeDirectory | kAttributeVolume)) != 0;
}

// The views' own deselect-all first; where a view ignores it, its list's marks are taken away
// one at a time, a slice at a time, so thousands of marks do not hold up the window.
bool DeselectAll(HWND owner, const HWND (&views)[2], const HWND (&lists)[2])
{
    for (int side = 0; side < 2; ++side)
        if (views[side] && ::IsWindow(views[side]))
            ::SendMessageW(views[side], WM_COMMAND, MAKEWPARAM(viewcmd::kSelectNone, 0), 0);
    const auto marked = [&](int side)
    {
        return ::IsWindow(lists[side])
                   ? static_cast<int>(::SendMessageW(lists[side], LVM_GETSELECTEDCOUNT, 0, 0))
                   : 0;
    };
    if (marked(0) == 0 && marked(1) == 0) return true;
    CProgressSession clearing(owner, L"Ordnervergleich", text::kCompareFoldersProgressText);
    clearing.State().total = static_cast<uint64_t>(marked(0)) + static_cast<uint64_t>(marked(1));
    int side = 0;
    return clearing.RunInSlices(
        [&](ProgressState& state)
        {
            while (side < 2 && marked(side) == 0)
                ++side;
            if (side == 2) return false;
            const int index = static_cast<int>(
                ::SendMessageW(lists[side], LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
            LVITEMW item{};
            item.stateMask = LVIS_SELECTED;
            ::SendMessageW(lists[side], LVM_SETITEMSTATE, static_cast<WPARAM>(index),
                           reinterpret_cast<LPARAM>(&item));
            ++state.done;
            return true;
        });
}

// The folder compare's files; a content compare stops when the user cancelled.
class CCancellableFolderFiles : public IFolderCompareFiles
{
public:
    explicit CCancellableFolderFiles(const ProgressState& state) : m_state(state) {}
    std::optional<CompareFileStatus> Status(const std::wstring& path) override
    {
        return m_status.Status(path);
    }
    CompareResult CompareContents(const std::wstring& first, const std::wstring& second) override
    {
        return CompareFileContents(first, second, m_files,
                                   [this](uint64_t, uint64_t) { return !m_state.cancelled; });
    }

private:
    const ProgressState& m_state;
    CFolderStatusCache m_status;
    CWin32CompareFiles m_files;
};
} // namespace

void CMainFrame::OnCompareFiles(bool external)
{
    CChildFrame* window = ActiveFolderWindow();
    CFolderFrame* active = ActivePane();
    if (external && m_params.externalCompareCommand.empty())
    {
        ShowError(Hwnd(), text::kCompareNoExternalProgram);
        return;
    }
    // Without a folder window nothing is marked: the keys still say what is missing.
    if (!window || !active)
    {
        ShowError(Hwnd(), text::kCompareMarkTwoFiles);
        return;
    }
    const PaneMarks activeMarks = MarksOf(*active);
    PaneMarks first;
    PaneMarks second;
    const bool split =
        window->PaneCount() == 2 && window->Pane(PaneIndex::First) && window->Pane(PaneIndex::Second);
    if (split)
    {
        first = MarksOf(*window->Pane(PaneIndex::First));
        second = MarksOf(*window->Pane(PaneIndex::Second));
    }
    const ComparePair pair =
        ChooseComparePair(activeMarks, split ? &first : nullptr, split ? &second : nullptr);
    if (pair.kind == ComparePairKind::VirtualFolder)
    {
        ShowError(Hwnd(), text::kCompareVirtualFolder);
        return;
    }
    std::optional<CompareFileStatus> one;
    std::optional<CompareFileStatus> two;
    if (pair.kind == ComparePairKind::Pair)
    {
        one = ReadFileStatus(pair.first);
        two = ReadFileStatus(pair.second);
    }
    if (pair.kind != ComparePairKind::Pair || IsFolderOrVolume(one) || IsFolderOrVolume(two))
    {
        ShowError(Hwnd(), text::kCompareMarkTwoFiles);
        return;
    }
    if (external)
    {
        const std::optional<ExternalCompareCall> call =
            BuildExternalCompare(m_params.externalCompareCommand, pair.first, pair.second);
        if (call)
        {
            ProgramStartRequest request;
            request.owner = window->Hwnd();
            request.file = call->program;
            request.parameters = call->parameters;
            StartProgram(request);
        }
        return;
    }

    const WaitCursor wait;
    if (pair.first == pair.second)
    {
        ShowNote(Hwnd(), text::kCompareSamePath);
        return;
    }
    std::wstring message =
        L"Dateien:\t\t\t\t\t\n\n" + pair.first + L"\n" + pair.second + L"\n\nErgebnis:\n\n";
    CWin32CompareFiles files;
    CompareResult result = CompareResult::Cancelled;
    if (one && one->size > kCompareProgressThreshold)
    {
        RunWithProgress(Hwnd(), text::kCompareCaption, text::kCompareProgressText,
                        [&](ProgressState& state)
                        {
                            result = CompareFileContents(pair.first, pair.second, files,
                                                         [&state](uint64_t done, uint64_t total)
                                                         {
                                                             state.total = total;
                                                             state.done = done;
                                                             return !state.cancelled;
                                                         });
                        });
    }
    else
        result = CompareFileContents(pair.first, pair.second, files);

    if (result == CompareResult::Cancelled) return;
    if (result == CompareResult::SameFile)
    {
        ShowNote(Hwnd(), text::kCompareSamePath);
        return;
    }
    if (const int unreadable = FileOfError(result); unreadable >= 0)
    {
        ShowError(Hwnd(), WithPath(text::kCompareReadError, unreadable == 0 ? pair.first : pair.second));
        return;
    }
    message += CompareResultLine(result);
    ShowMessage(Hwnd(), message, text::kCompareCaption, MB_OK);
}

void CMainFrame::OnCompareFolders()
{
    CChildFrame* window = ActiveFolderWindow();
    if (!window || window->PaneCount() != 2 || !window->Pane(PaneIndex::First) ||
        !window->Pane(PaneIndex::Second))
        return;
    CFolderFrame& first = *window->Pane(PaneIndex::First);
    CFolderFrame& second = *window->Pane(PaneIndex::Second);
    if (!first.IsStorage() || !second.IsStorage() || first.PathText().empty() || second.PathText().empty())
    {
        ShowError(Hwnd(), text::kCompareFoldersVirtual);
        return;
    }
    CDlgCompareFolders dialog(m_params.folderCompareMode);
    if (dialog.DoModal(Hwnd()) != IDOK) return;
    m_params.folderCompareMode = dialog.Criterion();

    const WaitCursor wait;
    // Only window handles are used from here on: the panes may change while messages are handled.
    const HWND views[2] = {first.ViewWindow(), second.ViewWindow()};
    const HWND lists[2] = {first.ListView(), second.ListView()};
    const auto clearBoth = [&] { DeselectAll(Hwnd(), views, lists); };
    if (!lists[0] || !lists[1] || !DeselectAll(Hwnd(), views, lists)) return;
    FolderCompareInput input;
    input.criterion = static_cast<FolderCompareCriterion>(dialog.Criterion());
    input.folders = {first.PathText(), second.PathText()};
    const std::wstring caption = L"Ordnervergleich";

    // Thousands of labels and marks are read and set on this thread, a slice at a time, so the
    // window keeps answering; the files are compared on a worker.
    {
        CProgressSession reading(Hwnd(), caption, text::kCompareFoldersProgressText);
        const int counts[2] = {ListView_GetItemCount(lists[0]), ListView_GetItemCount(lists[1])};
        reading.State().total = static_cast<uint64_t>(counts[0]) + static_cast<uint64_t>(counts[1]);
        int side = 0;
        const bool read = reading.RunInSlices(
            [&](ProgressState& state)
            {
                while (side < 2 && input.labels[side].size() >= static_cast<size_t>(counts[side]))
                    ++side;
                if (side == 2) return false;
                if (!::IsWindow(lists[side]))
                {
                    state.cancelled = true;
                    return false;
                }
                input.labels[side].push_back(
                    ListLabel(lists[side], static_cast<int>(input.labels[side].size())));
                ++state.done;
                return true;
            });
        if (!read) return;
    }

    FolderCompareOutcome outcome;
    FolderComparePosition from;
    for (;;)
    {
        const bool finished = RunWithProgress(Hwnd(), caption, text::kCompareFoldersProgressText,
                                              [&](ProgressState& state)
                                              {
                                                  CCancellableFolderFiles files(state);
                                                  RunFolderCompare(input, from, files, outcome,
                                                                   [&state](size_t done, size_t total)
                                                                   {
                                                                       state.total = total;
                                                                       state.done = done;
                                                                       return !state.cancelled;
                                                                   });
                                              });
        if (!finished || outcome.stop == FolderCompareStop::Cancelled)
        {
            clearBoth();
            return;
        }
        if (outcome.stop == FolderCompareStop::ContentUnreadable)
        {
            if (ShowMessage(Hwnd(), WithPath(text::kCompareReadError, outcome.path), text::kCaptionError,
                            MB_OKCANCEL | MB_ICONERROR) == IDOK)
            {
                from = outcome.resume;
                continue;
            }
            clearBoth();
            return;
        }
        if (outcome.stop == FolderCompareStop::DateUnreadable)
        {
            ShowError(Hwnd(), WithPath(text::kCompareReadError, outcome.path));
            clearBoth();
            return;
        }
        break;
    }

    CProgressSession marking(Hwnd(), caption, text::kCompareFoldersProgressText);
    marking.State().total = outcome.marks[0].size() + outcome.marks[1].size();
    for (const HWND list : lists)
        ::SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    const ScopeExit redraw(
        [&]
        {
            for (const HWND list : lists)
            {
                if (!::IsWindow(list)) continue;
                ::SendMessageW(list, WM_SETREDRAW, TRUE, 0);
                ::InvalidateRect(list, nullptr, TRUE);
            }
        });
    int side = 0;
    size_t next = 0;
    // Marks set so far stay when the user stops: they are right as far as they go.
    marking.RunInSlices(
        [&](ProgressState& state)
        {
            while (side < 2 && next >= outcome.marks[side].size())
            {
                ++side;
                next = 0;
            }
            if (side == 2) return false;
            if (!::IsWindow(lists[side]))
            {
                next = outcome.marks[side].size();
                return true;
            }
            const size_t index = outcome.marks[side][next++];
            if (index < input.labels[side].size())
                MarkListItem(lists[side], index, input.labels[side][index]);
            ++state.done;
            return true;
        });
}

void CMainFrame::OnSelectSome()
{
    if (!m_selectionTarget) m_selectionTarget = std::make_unique<CFrameSelectionTarget>(*this);
    if (!m_selectDialog) m_selectDialog = std::make_unique<CDlgSelect>(*m_selectionTarget);
    m_selectDialog->Show(Hwnd());
}

void CMainFrame::ShowHelpTopic(std::wstring_view topic)
{
    wchar_t module[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::wstring file = module;
    file.erase(file.find_last_of(L'\\') + 1);
    file += text::kHelpFileName;
    if (!m_help.DisplayTopic(Hwnd(), file + std::wstring(topic)) &&
        ::GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES)
        ShowError(Hwnd(), L"Die Hilfedatei \"" + file + L"\" wurde nicht gefunden.");
}

const CFilters& CFrameSelectionTarget::Filters() const
{
    return m_frame.Filters();
}

CMask& CFrameSelectionTarget::MaskHistory()
{
    return m_frame.Params().selectMaskHistory;
}

void CFrameSelectionTarget::SelectByFilter(const CFilter& filter, bool select)
{
    if (CFolderFrame* pane = m_frame.ActivePane()) sv::SelectByFilter(*pane, filter, select);
}

void CFrameSelectionTarget::InvertSelection(bool folders)
{
    if (CFolderFrame* pane = m_frame.ActivePane()) InvertSelectionAmong(*pane, folders);
}

void CFrameSelectionTarget::EditFilters()
{
    ::SendMessageW(m_frame.Hwnd(), WM_COMMAND, MAKEWPARAM(cmd::kEditFilters, 0), 0);
}

void CFrameSelectionTarget::ShowSelectionHelp()
{
    m_frame.ShowHelpTopic(help::kSelection);
}

} // namespace sv
