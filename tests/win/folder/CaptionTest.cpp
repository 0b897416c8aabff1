// A pane's caption under Wine: typed paths, the breadcrumb of a deep folder and its chevron,
// the file list on the clipboard, and drops into a segment's folder and into the view.
#include "FolderTestSupport.h"
#include "commands/DataObjectWrapper.h"
#include "commands/DropSource.h"
#include "folder/PathDialogs.h"
#include "shell/ItemIdListConversion.h"

#include <commctrl.h>
#include <shldisp.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>

using namespace sv;
using namespace sv::test;

namespace
{
std::wstring ClipboardUnicodeText()
{
    std::wstring text;
    if (!::OpenClipboard(nullptr)) return text;
    if (const HANDLE data = ::GetClipboardData(CF_UNICODETEXT))
    {
        if (const auto* chars = static_cast<const wchar_t*>(::GlobalLock(data)))
        {
            text = chars;
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return text;
}

// The shell's own data object for files of one folder.
ComPtr<IDataObject> FilesOf(const CUtils& utils, const std::wstring& folder,
                            const std::vector<std::wstring>& names)
{
    const AbsolutePidl parent = PidlFromPath(folder);
    const ComPtr<IShellFolder> shellFolder = utils.BindToFolder(parent.Get());
    std::vector<AbsolutePidl> items;
    std::vector<const ITEMIDLIST*> children;
    for (const std::wstring& name : names)
    {
        items.push_back(PidlFromPath(folder + L"\\" + name));
        children.push_back(LastId(items.back().Get()));
    }
    ComPtr<IDataObject> data;
    if (shellFolder)
        shellFolder->GetUIObjectOf(nullptr, static_cast<UINT>(children.size()), children.data(),
                                   IID_IDataObject, nullptr, data.PutVoid());
    return data;
}

// A data object that says it runs asynchronously already, around the shell's.
class AsynchronousData final : public IDataObject, public IDataObjectAsyncCapability
{
public:
    explicit AsynchronousData(ComPtr<IDataObject> inner, BOOL asynchronous)
        : m_inner(std::move(inner)), m_asynchronous(asynchronous)
    {
    }
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        if (::IsEqualIID(iid, IID_IUnknown) || ::IsEqualIID(iid, IID_IDataObject))
            *object = static_cast<IDataObject*>(this);
        else if (::IsEqualIID(iid, __uuidof(IDataObjectAsyncCapability)))
            *object = static_cast<IDataObjectAsyncCapability*>(this);
        else
            return *object = nullptr, E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++m_references; }
    STDMETHODIMP_(ULONG) Release() override { return --m_references; }
    STDMETHODIMP GetData(FORMATETC* f, STGMEDIUM* m) override { return m_inner->GetData(f, m); }
    STDMETHODIMP GetDataHere(FORMATETC* f, STGMEDIUM* m) override { return m_inner->GetDataHere(f, m); }
    STDMETHODIMP QueryGetData(FORMATETC* f) override { return m_inner->QueryGetData(f); }
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC* a, FORMATETC* b) override
    {
        return m_inner->GetCanonicalFormatEtc(a, b);
    }
    STDMETHODIMP SetData(FORMATETC* f, STGMEDIUM* m, BOOL r) override { return m_inner->SetData(f, m, r); }
    STDMETHODIMP EnumFormatEtc(DWORD d, IEnumFORMATETC** e) override { return m_inner->EnumFormatEtc(d, e); }
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP DUnadvise(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
    STDMETHODIMP SetAsyncMode(BOOL mode) override { return m_asynchronous = mode, S_OK; }
    STDMETHODIMP GetAsyncMode(BOOL* mode) override { return *mode = m_asynchronous, S_OK; }
    STDMETHODIMP StartOperation(IBindCtx*) override { return S_OK; }
    STDMETHODIMP InOperation(BOOL* in) override { return *in = FALSE, S_OK; }
    STDMETHODIMP EndOperation(HRESULT, IBindCtx*, DWORD) override { return S_OK; }
    ULONG References() const { return m_references; }

private:
    ComPtr<IDataObject> m_inner;
    BOOL m_asynchronous;
    ULONG m_references = 1;
};

// The screen point of a caption segment's text.
POINTL SegmentPoint(CCaption& caption, const std::wstring& text)
{
    RECT client{};
    ::GetClientRect(caption.Hwnd(), &client);
    for (int x = 0; x < client.right; ++x)
    {
        const CCaption::Hit hit = caption.HitTest({x, client.bottom / 2});
        if (hit.part == CCaption::Part::Text && caption.SegmentText(static_cast<size_t>(hit.segment)) == text)
        {
            POINT point{x + 2, client.bottom / 2};
            ::ClientToScreen(caption.Hwnd(), &point);
            return {point.x, point.y};
        }
    }
    return {-1, -1};
}

class Caption : public FolderFixture
{
protected:
    CFolderFrame& OpenPane(const std::wstring& relative)
    {
        CChildFrame* window = OpenWindow(RecordOf(relative));
        EXPECT_NE(window, nullptr);
        return *window->Pane(PaneIndex::First);
    }
    bool ShowsFolder(CFolderFrame& pane, const std::wstring& path)
    {
        return m_utils.SameFolder(pane.CurrentFolder().Get(), PidlFromPath(path).Get());
    }
    void WaitForFileOperations()
    {
        PumpUntil([&] { return !m_host.operations.Busy(); }, 20000);
        PumpUntilIdle();
    }
};
} // namespace

TEST_F(Caption, TypedPathsExpandVariablesTurnSlashesAndSayWhenTheyAreNone)
{
    MessageRecorder messages;
    CFolderFrame& pane = OpenPane(L"A");
    wchar_t windows[MAX_PATH] = {};
    ::GetEnvironmentVariableW(L"WINDIR", windows, MAX_PATH);

    // Through the path edit, as the user types it.
    pane.Caption().SetActive(true);
    pane.Caption().OpenPathEdit();
    ASSERT_TRUE(pane.Caption().PathEditShown());
    const HWND edit = pane.Caption().PathEdit().Hwnd();
    ::SetWindowTextW(edit, L"%WINDIR%");
    ::SendMessageW(edit, WM_KEYDOWN, VK_RETURN, 1);
    PumpUntilIdle();
    EXPECT_FALSE(pane.Caption().PathEditShown());
    EXPECT_TRUE(ShowsFolder(pane, windows));

    std::wstring slashed = m_tree.Path(L"A\\Sub");
    std::replace(slashed.begin(), slashed.end(), L'\\', L'/');
    pane.EnterPath(slashed);
    EXPECT_TRUE(ShowsFolder(pane, m_tree.Path(L"A\\Sub")));
    EXPECT_TRUE(messages.Requests().empty());

    pane.EnterPath(m_tree.Path(L"gibt es nicht"));
    pane.EnterPath(L"Sub");
    ASSERT_EQ(messages.Requests().size(), 2u);
    EXPECT_EQ(messages.Requests()[0].text, L"Der eingegebene Pfad ist ungültig.");
    EXPECT_EQ(messages.Requests()[0].caption, L"Fehler");
    EXPECT_TRUE(ShowsFolder(pane, m_tree.Path(L"A\\Sub"))) << "nothing navigated";

    // A folder without a path comes back through its copied name.
    ASSERT_TRUE(pane.BrowseTo(m_utils.Computer().Clone(), true));
    pane.CopyPathToClipboard(pane.CurrentFolder().Get());
    const std::wstring copied = ClipboardUnicodeText();
    ASSERT_FALSE(copied.empty());
    ASSERT_TRUE(pane.BrowseTo(m_tree.Pidl(L"A"), true));
    pane.EnterPath(copied);
    EXPECT_TRUE(m_utils.SameFolder(pane.CurrentFolder().Get(), m_utils.Computer().Get()));
}

TEST_F(Caption, ADeepFolderShowsItsLevelsAndCutsThemBehindTheChevronWhenNarrow)
{
    std::wstring deep = m_tree.Path(L"A\\Sub");
    for (const wchar_t* name : {L"Erste Ebene", L"Zweite Ebene", L"Dritte Ebene"})
    {
        deep += L"\\";
        deep += name;
        ::CreateDirectoryW(deep.c_str(), nullptr);
    }
    CFolderFrame& pane = OpenPane(L"A");
    ASSERT_TRUE(pane.BrowseTo(PidlFromPath(deep), true));
    CCaption& caption = pane.Caption();
    ASSERT_GE(caption.SegmentCount(), 6u);
    EXPECT_EQ(caption.SegmentText(caption.SegmentCount() - 1), L"Dritte Ebene");
    EXPECT_EQ(caption.SegmentText(2), L"C:") << "a drive shows as its letter";
    EXPECT_EQ(caption.FirstAllowed(), 2u) << "neither the desktop nor Computer";
    EXPECT_EQ(caption.AddressText().rfind(L"C: \u203A ", 0), 0u);

    ::MoveWindow(caption.Hwnd(), 0, 0, 140, 20, TRUE);
    PumpUntilIdle();
    EXPECT_TRUE(caption.LevelsCutOff());
    EXPECT_EQ(caption.FirstVisible(), caption.SegmentCount() - 1) << "the last level always shows";
    EXPECT_EQ(caption.ToolTipText(), caption.AddressText());
    ::MoveWindow(caption.Hwnd(), 0, 0, 2000, 20, TRUE);
    EXPECT_FALSE(caption.LevelsCutOff());
    EXPECT_TRUE(caption.ToolTipText().empty());
    EXPECT_TRUE(m_utils.SameFolder(caption.SegmentPidl(caption.SegmentCount() - 2).Get(),
                                   PidlFromPath(deep.substr(0, deep.find_last_of(L'\\'))).Get()));
}

TEST_F(Caption, TheFileListPutsTheSelectedNamesOnTheClipboard)
{
    CFolderFrame& pane = OpenPane(L"A");
    const auto view = ComPtr<IShellView>::CopyOf(pane.View()).As<IFolderView>();
    ASSERT_TRUE(view);
    int count = 0;
    view->ItemCount(SVGIO_ALLVIEW, &count);
    std::vector<std::wstring> selected;
    for (int i = 0; i < count; ++i)
    {
        ChildPidl child;
        view->Item(i, child.Put());
        const std::wstring name = CUtils::DisplayNameOf(pane.ShellFolder(), child.Get(), SHGDN_INFOLDER);
        if (name.find(L".doc") != std::wstring::npos || name.find(L".bin") != std::wstring::npos)
        {
            view->SelectItem(i, SVSI_SELECT);
            selected.push_back(name);
        }
    }
    PumpUntilIdle();
    ASSERT_EQ(selected.size(), 2u);
    m_host.params.fileListMode = 0;
    pane.CopyFileListToClipboard();
    EXPECT_EQ(ClipboardUnicodeText(), selected[0] + L"\n" + selected[1]);

    // Through the dialog: all columns, tab-separated; the choice is kept.
    ScopedDialogResponder answer(
        [](CDialog& dialog, HWND)
        {
            static_cast<CDlgCopySelection&>(dialog).SetChoice(1, L"\\t");
            return static_cast<INT_PTR>(IDOK);
        });
    pane.CopyFileListToClipboard(true);
    const std::wstring columns = ClipboardUnicodeText();
    EXPECT_EQ(columns.rfind(selected[0] + L"\t", 0), 0u);
    EXPECT_EQ(std::count(columns.begin(), columns.end(), L'\n'), 1);
    EXPECT_EQ(m_host.params.fileListMode, 1);
    EXPECT_EQ(m_host.params.fileListSeparator, L"\\t");
}

TEST_F(Caption, DropsOntoASegmentCopyOrMoveRealFilesIntoThatLevel)
{
    CFolderFrame& pane = OpenPane(L"A\\Sub");
    ::MoveWindow(pane.Caption().Hwnd(), 0, 0, 2000, 20, TRUE);
    PumpUntilIdle();
    IDropTarget* target = pane.Caption().DropTarget();
    ASSERT_NE(target, nullptr);
    const std::wstring a = m_tree.Path(L"A");
    WriteFileOfSize(m_tree.Path(L"B\\kopie.txt"), 10);
    WriteFileOfSize(m_tree.Path(L"B\\weg.txt"), 10);
    const std::wstring folderA = a.substr(a.find_last_of(L'\\') + 1);
    const POINTL over = SegmentPoint(pane.Caption(), folderA);
    ASSERT_GE(over.x, 0);

    const auto drop = [&](const wchar_t* name, DWORD keys)
    {
        ComPtr<IDataObject> data = FilesOf(m_utils, m_tree.Path(L"B"), {name});
        ASSERT_TRUE(data);
        DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        target->DragEnter(data.Get(), keys, over, &effect);
        effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        target->DragOver(keys, over, &effect);
        EXPECT_NE(effect, static_cast<DWORD>(DROPEFFECT_NONE)) << "the cursor offers the drop";
        effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        target->Drop(data.Get(), keys, over, &effect);
        WaitForFileOperations();
    };
    drop(L"kopie.txt", MK_CONTROL);
    EXPECT_TRUE(FileExists(a + L"\\kopie.txt"));
    EXPECT_TRUE(FileExists(m_tree.Path(L"B\\kopie.txt")));
    drop(L"weg.txt", MK_SHIFT);
    EXPECT_TRUE(FileExists(a + L"\\weg.txt"));
    EXPECT_FALSE(FileExists(m_tree.Path(L"B\\weg.txt")));

    // Into the view: the pane's own folder.
    WriteFileOfSize(m_tree.Path(L"B\\hinein.txt"), 10);
    auto* view = static_cast<IDropTarget*>(::GetPropW(pane.ListView(), L"OleDropTargetInterface"));
    if (!view) view = static_cast<IDropTarget*>(::GetPropW(pane.ViewWindow(), L"OleDropTargetInterface"));
    ASSERT_NE(view, nullptr);
    ComPtr<IDataObject> data = FilesOf(m_utils, m_tree.Path(L"B"), {L"hinein.txt"});
    RECT list{};
    ::GetWindowRect(pane.ListView(), &list);
    const POINTL empty{list.left + 5, list.bottom - 5};
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    view->DragEnter(data.Get(), MK_CONTROL, empty, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    view->Drop(data.Get(), MK_CONTROL, empty, &effect);
    WaitForFileOperations();
    EXPECT_TRUE(FileExists(m_tree.Path(L"A\\Sub\\hinein.txt")));
}

TEST(DataObjects, OnlyASynchronousDataObjectIsWrappedAndEscapeCancelsADrag)
{
    CUtils utils;
    ScopedTempFolder folder;
    WriteFileOfSize(folder.File(L"x.txt"), 3);
    ComPtr<IDataObject> shell = FilesOf(utils, folder.Path(), {L"x.txt"});
    ASSERT_TRUE(shell);

    AsynchronousData already(shell, TRUE);
    EXPECT_FALSE(WrapDataObject(&already)) << "passed through unchanged";
    AsynchronousData synchronous(shell, FALSE);
    {
        ComPtr<IDataObject> wrapper = WrapDataObject(&synchronous);
        ASSERT_TRUE(wrapper);
        const auto operation = wrapper.As<IDataObjectAsyncCapability>();
        ASSERT_TRUE(operation);
        BOOL mode = FALSE;
        operation->GetAsyncMode(&mode);
        EXPECT_TRUE(mode);
        FORMATETC format{static_cast<CLIPFORMAT>(::RegisterClipboardFormatW(L"Shell IDList Array")), nullptr,
                         DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        EXPECT_EQ(wrapper->QueryGetData(&format), S_OK) << "the data is the wrapped object's";
        EXPECT_GT(synchronous.References(), 1u) << "the wrapper's references are the wrapped object's";
    }
    EXPECT_EQ(synchronous.References(), 1u);

    CDropSource source;
    EXPECT_EQ(source.QueryContinueDrag(TRUE, MK_LBUTTON), DRAGDROP_S_CANCEL);
    EXPECT_EQ(source.QueryContinueDrag(FALSE, MK_RBUTTON), S_OK);
    EXPECT_EQ(source.QueryContinueDrag(FALSE, 0), DRAGDROP_S_DROP);
}
