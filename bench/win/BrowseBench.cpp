// Under Wine: how long BrowseTo takes into folders of 1 000 and 10 000 files, with and
// without a filter, against the bare shell view hosted without our callbacks.
#include "../../tests/win/folder/FolderTestSupport.h"
#include "folder/ChildFrame.h"

#include <commctrl.h>
#include <ole2.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

using namespace sv;
using namespace sv::test;

namespace
{
// The least a view needs of its browser: no ICommDlgBrowser, so it asks nothing per item.
class BareBrowser final : public IShellBrowser
{
public:
    explicit BareBrowser(HWND window) : m_window(window) {}
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        if (::IsEqualIID(iid, IID_IUnknown) || ::IsEqualIID(iid, IID_IOleWindow) ||
            ::IsEqualIID(iid, IID_IShellBrowser))
        {
            *object = static_cast<IShellBrowser*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP GetWindow(HWND* window) override
    {
        *window = m_window;
        return S_OK;
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP InsertMenusSB(HMENU, LPOLEMENUGROUPWIDTHS) override { return S_OK; }
    STDMETHODIMP SetMenuSB(HMENU, HOLEMENU, HWND) override { return S_OK; }
    STDMETHODIMP RemoveMenusSB(HMENU) override { return S_OK; }
    STDMETHODIMP SetStatusTextSB(LPCWSTR) override { return E_NOTIMPL; }
    STDMETHODIMP EnableModelessSB(BOOL) override { return S_OK; }
    STDMETHODIMP TranslateAcceleratorSB(MSG*, WORD) override { return S_OK; }
    STDMETHODIMP BrowseObject(PCUIDLIST_RELATIVE, UINT) override { return E_NOTIMPL; }
    STDMETHODIMP GetViewStateStream(DWORD, IStream**) override { return E_NOTIMPL; }
    STDMETHODIMP GetControlWindow(UINT, HWND*) override { return E_NOTIMPL; }
    STDMETHODIMP SendControlMsg(UINT, UINT, WPARAM, LPARAM, LRESULT*) override { return E_NOTIMPL; }
    STDMETHODIMP QueryActiveShellView(IShellView**) override { return E_NOTIMPL; }
    STDMETHODIMP OnViewWindowActive(IShellView*) override { return S_OK; }
    STDMETHODIMP SetToolbarItems(LPTBBUTTONSB, UINT, UINT) override { return E_NOTIMPL; }

private:
    HWND m_window;
};

double Milliseconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void MakeFiles(const std::wstring& folder, int count)
{
    ::CreateDirectoryW(folder.c_str(), nullptr);
    for (int i = 0; i < count; ++i)
        WriteFileOfSize(folder + L"\\file" + std::to_wstring(i) + (i % 2 ? L".txt" : L".dat"), 0);
}

double BareView(TestMdiFrame& frame, const AbsolutePidl& folder)
{
    CUtils utils;
    const ComPtr<IShellFolder> shellFolder = utils.BindToFolder(folder.Get());
    BareBrowser browser(frame.Hwnd());
    const auto start = std::chrono::steady_clock::now();
    ComPtr<IShellView> view;
    shellFolder->CreateViewObject(frame.Hwnd(), IID_IShellView, view.PutVoid());
    FOLDERSETTINGS settings{FVM_DETAILS, 0};
    RECT rect{0, 0, 600, 400};
    HWND window = nullptr;
    view->CreateViewWindow(nullptr, &settings, &browser, &rect, &window);
    PumpUntilIdle(20, 60000);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    view->DestroyViewWindow();
    return Milliseconds(elapsed);
}

class BenchFixture : public FolderFixture
{
public:
    void TestBody() override {}
    void Run()
    {
        SetUp();
        for (const int count : {1000, 10000})
        {
            const std::wstring folder = m_tree.Path(L"n" + std::to_wstring(count));
            MakeFiles(folder, count);
            const AbsolutePidl pidl = PidlFromPath(folder);
            std::vector<double> bare, plain, filtered, sized;
            for (int round = 0; round < 3; ++round)
            {
                bare.push_back(BareView(m_frame, pidl));
                for (const int filter : {0, 1, 2})
                {
                    CSolObject record = RecordOf(L"B");
                    if (filter != 0)
                    {
                        CFilter chosen;
                        if (filter == 1)
                            chosen.includeText = L"*.txt";
                        else
                            chosen.sizeToOn = 1; // at most 0 bytes: every file's size is read
                        chosen.Compile();
                        m_host.filters.filters = {chosen};
                        record.filterIndex1 = 0;
                    }
                    CChildFrame* window = OpenWindow(record);
                    const auto start = std::chrono::steady_clock::now();
                    window->ActivePane()->BrowseTo(pidl.Clone(), true);
                    PumpUntilIdle(20, 60000);
                    (filter == 0 ? plain : filter == 1 ? filtered : sized)
                        .push_back(Milliseconds(std::chrono::steady_clock::now() - start));
                    ::SendMessageW(m_frame.MdiClient(), WM_MDIDESTROY,
                                   reinterpret_cast<WPARAM>(window->Hwnd()), 0);
                    PumpUntilIdle();
                    m_host.filters.filters.clear();
                }
            }
            const double b = Median(bare), p = Median(plain), f = Median(filtered), z = Median(sized);
            std::printf(
                "%5d files: bare view %8.1f ms, BrowseTo %8.1f ms (%.2fx), with filter *.txt %8.1f ms "
                "(%.2fx), with a size bound %8.1f ms (%.2fx)\n",
                count, b, p, p / b, f, f / b, z, z / b);
        }
        TearDown();
    }
};
} // namespace

int main()
{
    ::OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    {
        BenchFixture bench;
        bench.Run();
    }
    ::OleUninitialize();
    return 0;
}
