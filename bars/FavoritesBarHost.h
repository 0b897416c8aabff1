// What the favorites bar needs from the frame that owns the tabs: the settings and colours,
// which tabs show a favorite, and the tab strip's hot favorite.
#pragma once

#include "model/ColorRamp.h"
#include "model/Params.h"

#include <vector>

namespace sv
{

// Whether a favorite is open in a folder window, and how.
enum class FavoriteShown : uint8_t
{
    Nowhere,
    InItsFolder,
    InASubfolder,
};

class IFavoritesBarHost
{
public:
    virtual ~IFavoritesBarHost() = default;

    virtual const CParams& Settings() const = 0;
    virtual const ColorRamp& FavoriteRampOf(int favorite) const = 0;
    virtual bool DockingMode() const = 0;
    // The tab strip draws the tabs of this favorite hot (-1: none) and repaints.
    virtual void SetHotFavorite(int favorite) = 0;
    // Where the first window showing the favorite is, and with a list the tabs showing it in
    // tab order.
    virtual FavoriteShown TabsShowingFavorite(int favorite, std::vector<int>* tabs) const = 0;
    virtual int SelectedTab() const = 0;
    // Brings the tab's window forward.
    virtual void ActivateTab(int tab) = 0;
    // Posts the request to open the favorite in a new folder window.
    virtual void PostOpenFavoriteInNewWindow(int favorite) = 0;
    // The folder tree's automatic synchronisation rests while the hover menu is open; after
    // it the tree follows the active window when the settings ask for it.
    virtual void SuspendTreeSync(bool suspend) = 0;
    virtual void SyncTreeToActiveWindow() = 0;
};

} // namespace sv
