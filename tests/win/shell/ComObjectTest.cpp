#include "framework/ComObject.h"
#include "shell/HiddenItemsFolder.h"

#include <gtest/gtest.h>
#include <shlobj.h>

using namespace sv;

namespace
{
// Answers IShellBrowser also as IOleWindow, and IServiceProvider; tells when it is deleted.
class CHeapBrowser final : public ComObject<RefCount, ComAlso<IShellBrowser, IOleWindow>, IServiceProvider>
{
public:
    explicit CHeapBrowser(bool& deleted) : m_deleted(deleted) {}

    STDMETHODIMP GetWindow(HWND*) override { return E_NOTIMPL; }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP InsertMenusSB(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetMenuSB(HMENU, HOLEMENU, HWND) override { return E_NOTIMPL; }
    STDMETHODIMP RemoveMenusSB(HMENU) override { return E_NOTIMPL; }
    STDMETHODIMP SetStatusTextSB(LPCWSTR) override { return E_NOTIMPL; }
    STDMETHODIMP EnableModelessSB(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP TranslateAcceleratorSB(MSG*, WORD) override { return E_NOTIMPL; }
    STDMETHODIMP BrowseObject(PCUIDLIST_RELATIVE, UINT) override { return E_NOTIMPL; }
    STDMETHODIMP GetViewStateStream(DWORD, IStream**) override { return E_NOTIMPL; }
    STDMETHODIMP GetControlWindow(UINT, HWND*) override { return E_NOTIMPL; }
    STDMETHODIMP SendControlMsg(UINT, UINT, WPARAM, LPARAM, LRESULT*) override { return E_NOTIMPL; }
    STDMETHODIMP QueryActiveShellView(IShellView**) override { return E_NOTIMPL; }
    STDMETHODIMP OnViewWindowActive(IShellView*) override { return E_NOTIMPL; }
    STDMETHODIMP SetToolbarItems(LPTBBUTTONSB, UINT, UINT) override { return E_NOTIMPL; }
    STDMETHODIMP QueryService(REFGUID, REFIID, void**) override { return E_NOTIMPL; }

private:
    ~CHeapBrowser() override { m_deleted = true; }
    bool& m_deleted;
};

class CEmbeddedSource final : public ComObject<EmbeddedRefCount, IDropSource>
{
public:
    STDMETHODIMP QueryContinueDrag(BOOL, DWORD) override { return S_OK; }
    STDMETHODIMP GiveFeedback(DWORD) override { return S_OK; }
};

IUnknown* IdentityOf(IUnknown* object)
{
    IUnknown* identity = nullptr;
    if (FAILED(object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity)))) return nullptr;
    identity->Release();
    return identity;
}
} // namespace

TEST(ComObject, AnswersItsInterfacesWithOneIdentityAndGoesWithTheLastReference)
{
    bool deleted = false;
    ComPtr<IShellBrowser> browser = MakeComObject<IShellBrowser, CHeapBrowser>(deleted);
    ASSERT_TRUE(browser);

    auto window = browser.As<IOleWindow>();
    auto services = browser.As<IServiceProvider>();
    ASSERT_TRUE(window);
    ASSERT_TRUE(services);
    EXPECT_EQ(static_cast<void*>(window.Get()), static_cast<void*>(browser.Get()))
        << "IOleWindow is the browser's";
    IUnknown* identity = IdentityOf(browser.Get());
    EXPECT_NE(identity, nullptr);
    EXPECT_EQ(IdentityOf(services.Get()), identity) << "every interface gives the same IUnknown";

    void* other = reinterpret_cast<void*>(1);
    EXPECT_EQ(browser->QueryInterface(IID_IDropTarget, &other), E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);
    EXPECT_EQ(browser->QueryInterface(IID_IShellBrowser, nullptr), E_POINTER);

    browser.Reset();
    window.Reset();
    EXPECT_FALSE(deleted) << "a reference is still out";
    services.Reset();
    EXPECT_TRUE(deleted);
}

TEST(ComObject, EmbeddedCountNeverDeletesNorWrapsAround)
{
    CEmbeddedSource source;
    const ULONG owned = source.References();
    {
        const auto asked = ComPtr<IDropSource>::CopyOf(&source).As<IUnknown>();
        EXPECT_EQ(source.References(), owned + 1);
    }
    EXPECT_EQ(source.References(), owned);
    for (ULONG i = 0; i <= owned + 1; ++i)
        source.Release();
    EXPECT_EQ(source.References(), 0u) << "releases too many stop at zero";
    EXPECT_EQ(source.AddRef(), 1u);
}

TEST(ComObject, HiddenItemsFolderPassesOtherInterfacesToTheFolderItWraps)
{
    ComPtr<IShellFolder> desktop;
    ASSERT_EQ(::SHGetDesktopFolder(desktop.Put()), S_OK);
    const ComPtr<IShellFolder> wrapped = WrapForHiddenItems(desktop.Get());
    ASSERT_TRUE(wrapped);
    EXPECT_TRUE(wrapped.As<IShellFolder2>()) << "the desktop has IShellFolder2";
    EXPECT_TRUE(wrapped.As<IPersistFolder2>()) << "persistence is the inner folder's";
    EXPECT_EQ(IdentityOf(wrapped.Get()), IdentityOf(wrapped.As<IShellFolder2>().Get()));
}
