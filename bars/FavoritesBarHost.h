// What the favorites bar needs from the frame that owns the tabs: which tabs show a favorite,
// and the tab strip's hot favorite.
#pragma once

#include <cstdint>
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

    virtual bool DockingMode() const = 0;
    // The tab strip draws the tabs of this favorite hot (-1: none) and repaints.
    virtual void SetHotFavorite(int favorite) = 0;
    // Where the first window showing the favorite is, and with a list the tabs showing it in
    // tab order.
    virtual FavoriteShown TabsShowingFavorite(int favorite, std::vector<int>* tabs) const = 0;
    virtual int SelectedTab() const = 0;
    // Brings the tab's window forward.
    virtual void ActivateTabAt(int tab) = 0;
    // Posts the request to open the favorite in a new folder window.
    virtual void PostOpenFavoriteInNewWindow(int favorite) = 0;
};

} // namespace sv
