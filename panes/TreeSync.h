// The folder tree follows the folder of the active pane, once the pane has shown it for a
// moment, when the settings ask for it; not while the tree itself opens a folder, a tab menu
// is open or windows are restored. One folder for all panes is remembered, so that the tree
// is not moved again to where it already is.
#pragma once

#include "folder/Services.h"
#include "framework/Signal.h"
#include "shell/Pidl.h"
#include "shell/Utils.h"

#include <functional>

namespace sv
{

class CFolderFrame;

class CTreeSync
{
public:
    // `activePane` names the active pane of the active folder window, or nullptr.
    CTreeSync(Services& services, const CUtils& utils, std::function<CFolderFrame*()> activePane);
    CTreeSync(const CTreeSync&) = delete;
    CTreeSync& operator=(const CTreeSync&) = delete;

    // What moves the tree to a folder, once the tree exists; nothing when it goes.
    void SetTarget(std::function<void(const ITEMIDLIST*)> showInTree) { m_showInTree = std::move(showInTree); }

    // While one lives, the tree does not follow the panes.
    class Pause
    {
    public:
        explicit Pause(CTreeSync& sync) : m_sync(&sync) { ++m_sync->m_pauses; }
        Pause(Pause&& other) noexcept : m_sync(std::exchange(other.m_sync, nullptr)) {}
        Pause(const Pause&) = delete;
        Pause& operator=(const Pause&) = delete;
        Pause& operator=(Pause&&) = delete;
        ~Pause()
        {
            if (m_sync) --m_sync->m_pauses;
        }

    private:
        CTreeSync* m_sync;
    };
    [[nodiscard]] Pause Suspend() { return Pause(*this); }
    bool Suspended() const { return m_pauses > 0 || m_services.restoring; }

    // The tree shows `folder` now, whatever the settings say.
    void ShowFolder(const ITEMIDLIST* folder);
    // The tree follows the active pane, if the settings ask for it and it is not there yet.
    void FollowActivePane();

private:
    void Follow(const CFolderFrame& pane);

    Services& m_services;
    const CUtils& m_utils;
    std::function<CFolderFrame*()> m_activePane;
    std::function<void(const ITEMIDLIST*)> m_showInTree;
    int m_pauses = 0;
    AbsolutePidl m_lastFolder;
    ScopedConnection m_settled;
};

} // namespace sv
