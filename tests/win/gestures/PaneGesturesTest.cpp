// A folder pane under the pointer and the keyboard: items clicked and opened, the keys that
// must keep working after every kind of navigation, the extra mouse buttons, the status line
// of one item, a split window's panes taking the keys in turn, the middle click among
// selected items, and Ctrl+V making the clipboard's data object paste asynchronously.
#include "../MainFrameFixture.h"
#include "../RealInput.h"
#include "commands/DataObjectWrapper.h"
#include "folder/ChildFrame.h"
#include "folder/FolderFrame.h"
#include "framework/ComObject.h"
#include "model/CommandCatalogue.h"
#include "shell/Pidl.h"

#include <commctrl.h>
#include <shldisp.h>

#include <gtest/gtest.h>

using namespace sv;
using namespace sv::test;

namespace
{
// The label of the list item with this text, in the list's client coordinates.
std::optional<POINT> ItemPoint(HWND list, const std::wstring& text)
{
    LVFINDINFOW find{};
    find.flags = LVFI_STRING;
    find.psz = text.c_str();
    const int index = static_cast<int>(
        ::SendMessageW(list, LVM_FINDITEMW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
    if (index < 0) return std::nullopt;
    ::SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
    RECT label{};
    label.left = LVIR_LABEL;
    if (!::SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&label)))
        return std::nullopt;
    return POINT{label.left + std::min<LONG>(12, (label.right - label.left) / 2),
                 (label.top + label.bottom) / 2};
}

// A point of the list below its last item, where a click hits no item.
POINT EmptyPoint(HWND list)
{
    RECT client{};
    ::GetClientRect(list, &client);
    return POINT{client.right - 20, client.bottom - 12};
}

std::wstring StatusText(HWND bar)
{
    wchar_t text[512] = {};
    ::SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
    return text;
}

// A data object with the asynchronous capability and no data, in the mode it was made with.
class SynchronousData final : public ComObject<RefCount, IDataObject, IDataObjectAsyncCapability>
{
public:
    explicit SynchronousData(BOOL asynchronous) : m_asynchronous(asynchronous) {}
    STDMETHODIMP GetData(FORMATETC*, STGMEDIUM*) override { return DV_E_FORMATETC; }
    STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return DV_E_FORMATETC; }
    STDMETHODIMP QueryGetData(FORMATETC*) override { return DV_E_FORMATETC; }
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override
    {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    STDMETHODIMP DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP SetAsyncMode(BOOL mode) override { return m_asynchronous = mode, S_OK; }
    STDMETHODIMP GetAsyncMode(BOOL* mode) override { return *mode = m_asynchronous, S_OK; }
    STDMETHODIMP StartOperation(IBindCtx*) override { return S_OK; }
    STDMETHODIMP InOperation(BOOL* in) override { return *in = FALSE, S_OK; }
    STDMETHODIMP EndOperation(HRESULT, IBindCtx*, DWORD) override { return S_OK; }

private:
    BOOL m_asynchronous;
};

class PaneGestures : public MainFrameFixture
{
protected:
    void SetUp() override
    {
        MakeFolder(L"Ordner\\Bilder\\Urlaub");
        MakeFile(L"Ordner\\bericht.txt", 1500);
        MakeFile(L"Ordner\\Bilder\\foto.jpg", 20);
        MainFrameFixture::SetUp();
    }
    Spot Item(CFolderFrame& pane, const std::wstring& text)
    {
        const std::optional<POINT> point = ItemPoint(pane.ListView(), text);
        EXPECT_TRUE(point.has_value()) << "no item shown as this name";
        return At(pane.ListView(), point.value_or(POINT{1, 1}));
    }
    bool KeysInView(CFolderFrame& pane) { return IsWithin(FocusWindow(), pane.ViewWindow()); }
};
} // namespace

TEST_F(PaneGestures, OneClickedItemIsDescribedInTheStatusLine)
{
    CFolderFrame* pane = Open(L"Ordner");
    ASSERT_NE(pane, nullptr);
    const HWND bar = m_frame.StatusBar().Hwnd();
    ASSERT_TRUE(Click(Item(*pane, L"bericht.txt")));
    PumpUntil([&] { return !StatusText(bar).empty(); }, 3000);
    const std::wstring file = StatusText(bar);
    EXPECT_EQ(file.rfind(L"bericht.txt   ", 0), 0u) << "name first";
    EXPECT_NE(file.find(L"   1,46 KB   Geändert am "), std::wstring::npos) << "size and date of a file";

    ASSERT_TRUE(Click(Item(*pane, L"Bilder")));
    PumpUntil([&] { return StatusText(bar).rfind(L"Bilder", 0) == 0; }, 3000);
    const std::wstring folder = StatusText(bar);
    EXPECT_EQ(folder.rfind(L"Bilder   ", 0), 0u);
    EXPECT_EQ(folder.find(L"KB"), std::wstring::npos) << "a folder shows no size";
    EXPECT_NE(folder.find(L"Geändert am "), std::wstring::npos);

    // A click beside the items clears the selection: the folder's counts come back.
    ASSERT_TRUE(Click(At(pane->ListView(), EmptyPoint(pane->ListView()))));
    PumpUntil([&] { return StatusText(bar).rfind(L"2 Objekte", 0) == 0; }, 3000);
    EXPECT_EQ(StatusText(bar).rfind(L"2 Objekte   1,46 KB", 0), 0u);

    // A drive's root counts its items and shows the drive's space too.
    m_frame.Windows().OpenFolder(PidlFromPath(L"C:\\"), AbsolutePidl(), OpenMode::ActivePane, true);
    EXPECT_TRUE(PumpUntil([&] { return StatusText(bar).find(L"(C: ") != std::wstring::npos; }, 3000))
        << ::testing::PrintToString(StatusText(bar));
}

TEST_F(PaneGestures, TheKeysKeepWorkingAfterEveryNavigation)
{
    CFolderFrame* pane = Open(L"Ordner");
    ASSERT_NE(pane, nullptr);
    ASSERT_TRUE(Click(Item(*pane, L"bericht.txt")));
    ASSERT_TRUE(KeysInView(*pane));

    // A double click opens a folder; Backspace goes up, Alt+Left back, Alt+Right forward.
    ASSERT_TRUE(DoubleClick(Item(*pane, L"Bilder")));
    EXPECT_EQ(ActivePath(), FilePath(L"Ordner\\Bilder"));
    EXPECT_TRUE(KeysInView(*pane)) << "after a double click";
    Keys({VK_BACK});
    EXPECT_EQ(ActivePath(), FilePath(L"Ordner"));
    EXPECT_TRUE(KeysInView(*pane)) << "after Backspace";
    Keys({VK_MENU, VK_LEFT});
    EXPECT_EQ(ActivePath(), FilePath(L"Ordner\\Bilder"));
    EXPECT_TRUE(KeysInView(*pane)) << "after Alt+Left";

    // Enter on a selected folder opens it; the selection moves with the arrow keys.
    Keys({VK_HOME});
    Keys({VK_RETURN});
    EXPECT_EQ(ActivePath(), FilePath(L"Ordner\\Bilder\\Urlaub"));
    EXPECT_TRUE(KeysInView(*pane)) << "after Enter";

    // The toolbar's Up and Back buttons leave the keys in the view too.
    Keys({VK_BACK});
    Keys({VK_BACK});
    EXPECT_EQ(ActivePath(), FilePath(L"Ordner"));
    EXPECT_TRUE(KeysInView(*pane));

    // The extra mouse buttons over the list go back and forward.
    ASSERT_TRUE(Click(At(pane->ListView(), EmptyPoint(pane->ListView())), Button::Back));
    EXPECT_EQ(ActivePath(), FilePath(L"Ordner\\Bilder"));
    ASSERT_TRUE(Click(At(pane->ListView(), EmptyPoint(pane->ListView())), Button::Forward));
    EXPECT_EQ(ActivePath(), FilePath(L"Ordner"));
    EXPECT_TRUE(KeysInView(*pane));

    // Ctrl+N opens a new window whose list has the keys.
    Keys({VK_CONTROL, 'N'});
    ASSERT_EQ(m_frame.Windows().Count(), 2u);
    ASSERT_NE(ActivePane(), pane);
    EXPECT_TRUE(KeysInView(*ActivePane())) << "after Ctrl+N";
}

TEST_F(PaneGestures, ASplitWindowsPanesTakeTheKeysInTurn)
{
    CFolderFrame* first = Open(L"Ordner");
    ASSERT_NE(first, nullptr);
    ASSERT_TRUE(Click(Item(*first, L"bericht.txt")));
    Keys({VK_CONTROL, 'H'});
    CChildFrame* window = m_frame.ActiveFolderWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_NE(window->Pane(PaneIndex::Second), nullptr) << "Ctrl+H splits the window";
    CFolderFrame* second = window->Pane(PaneIndex::Second);
    EXPECT_EQ(window->ActivePane(), second);
    EXPECT_TRUE(KeysInView(*second)) << "the new pane has the keys";

    // A click on the first pane's empty area makes it the active pane with the keys.
    ASSERT_TRUE(Click(At(first->ListView(), EmptyPoint(first->ListView()))));
    EXPECT_EQ(window->ActivePane(), first);
    EXPECT_TRUE(KeysInView(*first));

    // The keys now act on the first pane: Backspace moves it up, not the second.
    const std::wstring secondPath = second->PathText();
    Keys({VK_BACK});
    EXPECT_EQ(first->PathText(), m_files.Path());
    EXPECT_EQ(second->PathText(), secondPath);

    // Tab moves to the other pane.
    Keys({VK_TAB});
    EXPECT_EQ(window->ActivePane(), second);
    EXPECT_TRUE(KeysInView(*second)) << "after Tab";

    // Dragging the splitter moves the border between the panes.
    const RECT splitter = window->SplitterRect();
    RECT before{};
    ::GetWindowRect(first->Hwnd(), &before);
    const POINT grip{(splitter.left + splitter.right) / 2, (splitter.top + splitter.bottom) / 2};
    const bool aboveEachOther = splitter.right - splitter.left > splitter.bottom - splitter.top;
    const POINT moved = aboveEachOther ? POINT{grip.x, grip.y - 60} : POINT{grip.x - 60, grip.y};
    ASSERT_TRUE(Drag(At(window->Hwnd(), grip), At(window->Hwnd(), moved)));
    RECT after{};
    ::GetWindowRect(first->Hwnd(), &after);
    const LONG change = aboveEachOther ? (after.bottom - after.top) - (before.bottom - before.top)
                                       : (after.right - after.left) - (before.right - before.left);
    EXPECT_NEAR(change, -60, 8);
}

TEST_F(PaneGestures, AMiddleClickOpensTheClickedFolderAloneWhileOthersAreSelected)
{
    CFolderFrame* pane = Open(L"Ordner");
    ASSERT_NE(pane, nullptr);
    ASSERT_TRUE(Click(Item(*pane, L"bericht.txt")));
    Command(cmd::kSelectAll);
    ASSERT_EQ(::SendMessageW(pane->ListView(), LVM_GETSELECTEDCOUNT, 0, 0), 2);
    ASSERT_EQ(m_frame.Windows().Count(), 1u);

    // The clicked folder becomes the only selection and opens in a new window.
    ASSERT_TRUE(Click(Item(*pane, L"Bilder"), Button::Middle));
    PumpUntil([&] { return m_frame.Windows().Count() == 2; }, 3000);
    ASSERT_EQ(m_frame.Windows().Count(), 2u);
    EXPECT_EQ(ActivePath(), FilePath(L"Ordner\\Bilder"));
    EXPECT_EQ(::SendMessageW(pane->ListView(), LVM_GETSELECTEDCOUNT, 0, 0), 1);
}

TEST_F(PaneGestures, CtrlVInTheViewWrapsTheClipboardsDataObjectBeforeThePaste)
{
    // Another program's data object that pastes synchronously unless asked otherwise.
    struct Clipboard
    {
        ComPtr<IDataObject> held;
        std::vector<ComPtr<IDataObject>> put;
    } clipboard;
    ScopedClipboardStandIn standIn({[&] { return clipboard.held; }, [&](IDataObject* data)
                                    { clipboard.put.push_back(ComPtr<IDataObject>::CopyOf(data)); }});
    clipboard.held = MakeComObject<IDataObject, SynchronousData>(FALSE);
    ::OleSetClipboard(nullptr);

    CFolderFrame* pane = Open(L"Ordner");
    ASSERT_NE(pane, nullptr);
    ASSERT_TRUE(Click(Item(*pane, L"bericht.txt")));
    ASSERT_TRUE(KeysInView(*pane));
    Keys({VK_CONTROL, 'V'});
    ASSERT_EQ(clipboard.put.size(), 1u) << "the paste found the clipboard as it was";
    ComPtr<IDataObjectAsyncCapability> operation;
    ASSERT_TRUE(SUCCEEDED(
        clipboard.put[0]->QueryInterface(__uuidof(IDataObjectAsyncCapability), operation.PutVoid())));
    BOOL asynchronous = FALSE;
    ASSERT_TRUE(SUCCEEDED(operation->GetAsyncMode(&asynchronous)));
    EXPECT_TRUE(asynchronous);

    // One already asynchronous stays as it is.
    clipboard.held = MakeComObject<IDataObject, SynchronousData>(TRUE);
    Keys({VK_CONTROL, 'V'});
    EXPECT_EQ(clipboard.put.size(), 1u);
}
