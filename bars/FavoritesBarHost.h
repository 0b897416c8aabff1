// What the favorites bar needs from the frame that owns the tabs: which tabs show a favorite,
// and the tab strip's hot favorite.
#pragma once

#include <vector>

namespace sv
{

class IFavoritesBarHost
{
public:
    virtual ~IFavoritesBarHost() = default;

    virtual bool DockingMode() const = 0;
    // The tab strip draws the tabs of this favorite hot (-1: none) and repaints.
    virtual void SetHotFavorite(int favorite) = 0;
    // With a list: 0 and the tabs showing the favorite, in tab order, or -1 for none.
    // Without: -1 none, 0 when the first window showing it is in its folder, 1 in a subfolder.
    virtual int TabsShowingFavorite(int favorite, std::vector<int>* tabs) const = 0;
    virtual int SelectedTab() const = 0;
    // Brings the tab's window forward.
    virtual void ActivateTab(int tab) = 0;
    // Posts the request to open the favorite in a new folder window.
    virtual void PostOpenFavoriteInNewWindow(int favorite) = 0;
};

} // namespace sv
