#include "FavoriteMatch.h"

#include "shell/ItemIdListConversion.h"
#include "shell/Pidl.h"

namespace sv
{

FavoriteMatch MatchFavorite(const std::vector<CSolObject>& favorites, const ITEMIDLIST* folder)
{
    FavoriteMatch match;
    if (!folder) return match;
    AbsolutePidl chosen;
    for (int i = static_cast<int>(favorites.size()) - 1; i >= 0; --i)
    {
        AbsolutePidl candidate =
            ToShellAllocated(favorites[static_cast<size_t>(i)].Pane(PaneIndex::First).folder);
        if (!candidate || !IsParentPidl(candidate.Get(), folder, false)) continue;
        // A deeper favorite wins over one that contains it.
        if (!chosen || IsParentPidl(chosen.Get(), candidate.Get(), false))
        {
            chosen = std::move(candidate);
            match.index = i;
        }
    }
    if (!chosen) return match;
    if (PidlsEqual(chosen.Get(), folder))
        match.relation = 0;
    else if (IsParentPidl(chosen.Get(), folder, true))
        match.relation = 1;
    else
        match.relation = 2;
    return match;
}

} // namespace sv
