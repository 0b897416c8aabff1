// Drop targets of places that show folders: the caption's path segments (CDropTargetCaption)
// and the tree's items. They find the folder under the pointer and let that folder's own drop
// target choose the effect (a DragEnter/DragLeave pair on every move) and carry the drop out;
// where the shell's targets do nothing, the program carries it out (DropFallback).
#pragma once

#include "FileOperationQueue.h"
#include "framework/ComObject.h"
#include "framework/Handles.h"
#include "shell/Pidl.h"
#include "shell/Utils.h"

#include <ole2.h>
#include <shobjidl.h>

#include <functional>
#include <string>
#include <vector>

namespace sv
{

class CFolderDropTarget : public ComObject<EmbeddedRefCount, IDropTarget>
{
public:
    using Operations = std::function<CFileOperationQueue&()>;
    CFolderDropTarget(HWND window, const CUtils& utils, Operations operations);
    ~CFolderDropTarget() override;

    bool Register();
    void Revoke();

    // It lives inside its window's object: releases never delete it.
    STDMETHODIMP DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;
    STDMETHODIMP DragOver(DWORD keys, POINTL point, DWORD* effect) override;
    STDMETHODIMP DragLeave() override;
    STDMETHODIMP Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;

protected:
    // The folder under the pointer (screen coordinates), or nothing.
    virtual AbsolutePidl FolderUnder(POINTL point) = 0;
    // After every DragOver, DragLeave and Drop (the caption repaints its marked segment).
    virtual void Changed() {}
    // The tree drops with the keys of the last move, the caption with those of the drop.
    virtual bool DropsWithLastMoveKeys() const { return false; }
    HWND Window() const { return m_window; }

private:
    ComPtr<IDropTarget> TargetOf(const ITEMIDLIST* folder) const;
    std::wstring PathOf(const ITEMIDLIST* folder) const;
    DWORD Probe(const ITEMIDLIST* folder, DWORD keys, POINTL point);

    HWND m_window;
    const CUtils& m_utils;
    Operations m_operations;
    bool m_registered = false;
    DWORD m_allowed = DROPEFFECT_NONE;
    DWORD m_keys = 0;
    IDataObject* m_data = nullptr; // the drag's, valid from DragEnter to DragLeave or Drop
    std::vector<std::wstring> m_paths;
    ComPtr<IDropTargetHelper> m_images;
};

// The caption bar's target: the folder of the path segment the caption marks under the
// pointer.
class CDropTargetCaption final : public CFolderDropTarget
{
public:
    struct Site
    {
        // Marks the segment under the point (client coordinates) and gives its folder.
        std::function<AbsolutePidl(POINT client)> segmentFolderAt;
        std::function<void()> repaint;
    };
    CDropTargetCaption(HWND caption, const CUtils& utils, Operations operations, Site site);

protected:
    AbsolutePidl FolderUnder(POINTL point) override;
    void Changed() override;

private:
    Site m_site;
};

} // namespace sv
