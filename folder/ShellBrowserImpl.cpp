#include "ShellBrowserImpl.h"

#include "framework/Diagnostics.h"

#include <utility>

namespace sv
{

namespace
{
// Runs a pane answer so that no exception crosses into the shell.
template <typename F> HRESULT Guarded(F&& f) noexcept
{
    return CallGuarded(std::forward<F>(f), E_UNEXPECTED);
}
} // namespace

STDMETHODIMP IShellBrowserImpl::GetWindow(HWND* window)
{
    if (!window) return E_POINTER;
    *window = BrowserWindow();
    return S_OK;
}

STDMETHODIMP IShellBrowserImpl::GetViewStateStream(DWORD mode, IStream** stream)
{
    if (!stream) return E_POINTER;
    *stream = nullptr;
    return Guarded([&] { return ViewStateStream(mode, stream); });
}

STDMETHODIMP IShellBrowserImpl::GetControlWindow(UINT id, HWND* window)
{
    if (!window) return E_POINTER;
    *window = nullptr;
    if (id != FCW_STATUS) return E_NOTIMPL;
    return Guarded(
        [&]
        {
            *window = StatusWindowForView();
            return S_OK;
        });
}

STDMETHODIMP IShellBrowserImpl::SendControlMsg(UINT id, UINT message, WPARAM wParam, LPARAM lParam,
                                               LRESULT* result)
{
    if (result) *result = 0;
    if (id != FCW_STATUS) return E_NOTIMPL;
    return Guarded(
        [&]
        {
            const HWND status = StatusWindowForView();
            const LRESULT answer = status ? ::SendMessageW(status, message, wParam, lParam) : 0;
            if (result) *result = answer;
            return S_OK;
        });
}

STDMETHODIMP IShellBrowserImpl::QueryActiveShellView(IShellView** view)
{
    if (!view) return E_POINTER;
    *view = ActiveView();
    if (!*view) return E_FAIL;
    (*view)->AddRef();
    return S_OK;
}

STDMETHODIMP IShellBrowserImpl::OnViewWindowActive(IShellView* view)
{
    return Guarded([&] { return ViewWindowActivated(view); });
}

STDMETHODIMP IShellBrowserImpl::OnDefaultCommand(IShellView* view)
{
    return Guarded([&] { return DefaultCommand(view); });
}

STDMETHODIMP IShellBrowserImpl::OnStateChange(IShellView* view, ULONG change)
{
    return Guarded([&] { return StateChanged(view, change); });
}

STDMETHODIMP IShellBrowserImpl::IncludeObject(IShellView* view, PCUITEMID_CHILD child)
{
    const HRESULT hr = Guarded([&] { return Include(view, child); });
    return hr == S_FALSE ? S_FALSE : S_OK;
}

STDMETHODIMP IShellBrowserImpl::GetViewFlags(DWORD* flags)
{
    if (!flags) return E_POINTER;
    *flags = CDB2GVF_NOSELECTVERB;
    return S_OK;
}

STDMETHODIMP IShellBrowserImpl::QueryService(REFGUID service, REFIID iid, void** object)
{
    if (!object) return E_POINTER;
    *object = nullptr;
    if (::IsEqualGUID(service, IID_IShellBrowser) || ::IsEqualGUID(service, IID_IInternetSecurityMgrSite))
        return QueryInterface(iid, object);
    return E_NOINTERFACE;
}

STDMETHODIMP IShellBrowserImpl::MessageSFVCB(UINT message, WPARAM wParam, LPARAM lParam)
{
    return Guarded([&] { return ViewCallback(message, wParam, lParam); });
}

} // namespace sv
