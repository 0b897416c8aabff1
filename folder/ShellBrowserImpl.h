// The shell-browser side of a pane: IShellBrowser, ICommDlgBrowser2, IServiceProvider,
// IInternetSecurityMgrSite and IShellFolderViewCB on one reference count that never
// deletes the object (the pane's window owns its life). The pane answers the calls that
// matter; the rest are answered here.
#pragma once

#include <shlobj.h>
#include <shobjidl.h>
#include <urlmon.h>
#include <windows.h>

#include "framework/ComObject.h"
#include "shell/ShellInterfaceIds.h"

namespace sv
{

class IShellBrowserImpl : public ComObject<EmbeddedRefCount, ComAlso<IShellBrowser, IOleWindow>,
                                           ComAlso<ICommDlgBrowser2, ICommDlgBrowser>, IServiceProvider,
                                           IInternetSecurityMgrSite, IShellFolderViewCB>
{
public:
    IShellBrowserImpl() = default;
    ~IShellBrowserImpl() override = default;

    IShellBrowser* Browser() { return static_cast<IShellBrowser*>(this); }

    // IOleWindow (and IInternetSecurityMgrSite::GetWindow)
    STDMETHODIMP GetWindow(HWND* window) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IShellBrowser
    STDMETHODIMP InsertMenusSB(HMENU, LPOLEMENUGROUPWIDTHS) override { return S_OK; }
    STDMETHODIMP SetMenuSB(HMENU, HOLEMENU, HWND) override { return S_OK; }
    STDMETHODIMP RemoveMenusSB(HMENU) override { return S_OK; }
    STDMETHODIMP SetStatusTextSB(LPCWSTR) override { return E_NOTIMPL; }
    STDMETHODIMP EnableModelessSB(BOOL) override { return S_OK; }
    STDMETHODIMP TranslateAcceleratorSB(MSG*, WORD) override { return S_OK; }
    // The view never navigates by itself; opening goes through OnDefaultCommand.
    STDMETHODIMP BrowseObject(PCUIDLIST_RELATIVE, UINT) override { return E_NOTIMPL; }
    STDMETHODIMP GetViewStateStream(DWORD mode, IStream** stream) override;
    STDMETHODIMP GetControlWindow(UINT id, HWND* window) override;
    STDMETHODIMP SendControlMsg(UINT id, UINT message, WPARAM wParam, LPARAM lParam,
                                LRESULT* result) override;
    STDMETHODIMP QueryActiveShellView(IShellView** view) override;
    STDMETHODIMP OnViewWindowActive(IShellView* view) override;
    STDMETHODIMP SetToolbarItems(LPTBBUTTONSB, UINT, UINT) override { return E_NOTIMPL; }

    // ICommDlgBrowser2
    STDMETHODIMP OnDefaultCommand(IShellView* view) override;
    STDMETHODIMP OnStateChange(IShellView* view, ULONG change) override;
    STDMETHODIMP IncludeObject(IShellView* view, PCUITEMID_CHILD child) override;
    STDMETHODIMP Notify(IShellView*, DWORD) override { return S_OK; }
    STDMETHODIMP GetDefaultMenuText(IShellView*, LPWSTR, int) override { return S_FALSE; }
    STDMETHODIMP GetViewFlags(DWORD* flags) override;

    // IServiceProvider
    STDMETHODIMP QueryService(REFGUID service, REFIID iid, void** object) override;

    // IInternetSecurityMgrSite
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }

    // IShellFolderViewCB
    STDMETHODIMP MessageSFVCB(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    // The pane's answers; none of them may throw.
    virtual HWND BrowserWindow() const = 0;
    virtual HRESULT ViewStateStream(DWORD mode, IStream** stream) = 0;
    virtual HWND StatusWindowForView() = 0;
    virtual IShellView* ActiveView() const = 0;
    virtual HRESULT ViewWindowActivated(IShellView* view) = 0;
    virtual HRESULT DefaultCommand(IShellView* view) = 0;
    virtual HRESULT StateChanged(IShellView* view, ULONG change) = 0;
    virtual HRESULT Include(IShellView* view, PCUITEMID_CHILD child) = 0;
    virtual HRESULT ViewCallback(UINT message, WPARAM wParam, LPARAM lParam) = 0;
};

} // namespace sv
