// CDropTargetView: put in the place of the drop target a pane's folder view registered for
// its window. Drops go on to the view's own target with the data object made asynchronous
// (WrapDataObject), so the shell copies and moves on threads of its own; where the shell's
// targets do nothing, the program carries the drop out into the folder under the pointer.
#pragma once

#include "FileOperationQueue.h"
#include "framework/ComObject.h"
#include "framework/Handles.h"

#include <ole2.h>

#include <functional>
#include <string>
#include <vector>

namespace sv
{

class CDropTargetView final : public ComObject<EmbeddedRefCount, IDropTarget>
{
public:
    struct Site
    {
        // The file-system folder a drop at the point (screen) goes into: a folder item under
        // the pointer, else the pane's folder; empty when it has no path.
        std::function<std::wstring(POINTL point)> folderAt;
        std::function<CFileOperationQueue&()> operations;
    };
    explicit CDropTargetView(Site site) : m_site(std::move(site)) {}
    ~CDropTargetView() override;

    // Takes the target the view registered for `window` and registers itself instead.
    bool Install(HWND window);
    void Uninstall();
    bool IsInstalled() const { return m_window != nullptr; }

    // Counted here and passed on to the inner target; the pane owns the object.
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;
    STDMETHODIMP DragOver(DWORD keys, POINTL point, DWORD* effect) override;
    STDMETHODIMP DragLeave() override;
    STDMETHODIMP Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;

private:
    Site m_site;
    HWND m_window = nullptr;
    ComPtr<IDropTarget> m_inner;
    ComPtr<IDataObject> m_wrapper;
    DWORD m_allowed = DROPEFFECT_NONE;
    std::vector<std::wstring> m_paths;
};

} // namespace sv
