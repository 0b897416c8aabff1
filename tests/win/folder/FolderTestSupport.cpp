#include "FolderTestSupport.h"

#include "shell/ItemIdListConversion.h"
#include "shell/Pidl.h"

#include <commctrl.h>
#include <winioctl.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace sv::test
{

FakeHost::FakeHost()
{
    params.Reset(SettingsDefaults{});
    services.os = OsKind::Win8_64;
    services.worker = &paneWorker;
    services.fileOperations = &operations;
    treeSync.SetTarget(
        [this](const ITEMIDLIST* folder)
        {
            ++treeSyncs;
            lastTreeSync = AbsolutePidl::CopyOf(folder);
        });
    m_selectionChanged = services.paneEvents.selectionChanged.Connect([this](CFolderFrame&) { ++selectionChanges; });
    m_windowClosed = services.frameEvents.windowClosed.Connect([this](CChildFrame&) { ++destroyed; });
}

bool TestMdiFrame::Open()
{
    const RECT rect{0, 0, 900, 700};
    if (!Create(L"SolvantaTestFrame", 0, L"Test", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, rect,
                nullptr, nullptr))
        return false;
    return MdiClient() != nullptr;
}

LRESULT TestMdiFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CREATE) return CreateMdiClient(nullptr, 0xFF00) ? 0 : -1;
    return DefaultProc(message, wParam, lParam);
}

void WriteFileOfSize(const std::wstring& path, size_t size)
{
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    const std::string content(size, 'x');
    DWORD written = 0;
    ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    ::CloseHandle(file);
}

bool WriteLargeFile(const std::wstring& path, uint64_t size)
{
    UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    if (!file) return false;
    DWORD returned = 0;
    ::DeviceIoControl(file.Get(), FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr);
    LARGE_INTEGER end{};
    end.QuadPart = static_cast<LONGLONG>(size);
    return ::SetFilePointerEx(file.Get(), end, nullptr, FILE_BEGIN) && ::SetEndOfFile(file.Get());
}

FolderTree::FolderTree()
{
    ::CreateDirectoryW(Path(L"A").c_str(), nullptr);
    ::CreateDirectoryW(Path(L"A\\Sub").c_str(), nullptr);
    ::CreateDirectoryW(Path(L"B").c_str(), nullptr);
    WriteFileOfSize(Path(L"A\\a1.txt"), 1024);
    WriteFileOfSize(Path(L"A\\a2.doc"), 2048);
    WriteFileOfSize(Path(L"A\\a3.bin"), 3072);
    WriteFileOfSize(Path(L"c.txt"), 10);
}

std::wstring FolderTree::Path(const std::wstring& relative) const
{
    return relative.empty() ? m_folder.Path() : m_folder.Path() + L"\\" + relative;
}

AbsolutePidl FolderTree::Pidl(const std::wstring& relative) const
{
    return PidlFromPath(Path(relative));
}

ItemIdList FolderTree::List(const std::wstring& relative) const
{
    return ToItemIdList(Pidl(relative).Get());
}

void FolderFixture::SetUp()
{
    ASSERT_TRUE(m_frame.Open());
}

void FolderFixture::TearDown()
{
    for (auto& window : m_windows)
    {
        if (window->Hwnd())
            ::SendMessageW(m_frame.MdiClient(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(window->Hwnd()), 0);
    }
    PumpUntilIdle();
    m_windows.clear();
    m_frame.Destroy();
    PumpUntilIdle();
}

CChildFrame* FolderFixture::OpenWindow(const CSolObject& record)
{
    auto window = std::make_unique<CChildFrame>(m_host, m_host.services, nullptr);
    if (!window->CreateFromRecord(m_frame, record)) return nullptr;
    m_windows.push_back(std::move(window));
    PumpUntilIdle();
    return m_windows.back().get();
}

CSolObject FolderFixture::RecordOf(const std::wstring& relative1, const std::wstring& relative2,
                                   int splitMode)
{
    CSolObject record;
    record.panes[0].folder = m_tree.List(relative1);
    if (splitMode != 0)
    {
        record.panes[1].folder = m_tree.List(relative2);
        record.splitMode = static_cast<SplitMode>(splitMode);
    }
    return record;
}

int FolderFixture::ItemCount(CFolderFrame& pane)
{
    const HWND list = pane.ListView();
    return list ? static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)) : -1;
}

namespace
{
std::wstring ItemText(HWND list, int index)
{
    wchar_t text[MAX_PATH] = {};
    LVITEMW item{};
    item.iSubItem = 0;
    item.pszText = text;
    item.cchTextMax = MAX_PATH;
    ::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return text;
}
} // namespace

std::vector<std::wstring> FolderFixture::ItemNames(CFolderFrame& pane)
{
    std::vector<std::wstring> names;
    const HWND list = pane.ListView();
    for (int i = 0; list && i < ItemCount(pane); ++i)
        names.push_back(ItemText(list, i));
    return names;
}

std::vector<std::wstring> FolderFixture::SortedItemNames(CFolderFrame& pane)
{
    std::vector<std::wstring> names = ItemNames(pane);
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::wstring> FolderFixture::SelectedNames(CFolderFrame& pane)
{
    std::vector<std::wstring> names;
    const HWND list = pane.ListView();
    int index = -1;
    while (list && (index = static_cast<int>(::SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(index),
                                                            LVNI_SELECTED))) >= 0)
        names.push_back(ItemText(list, index));
    return names;
}


} // namespace sv::test
