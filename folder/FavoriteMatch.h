// Which favorite a folder belongs to: the deepest favorite that is the folder or one of its
// parents, and how (the favorite itself, a direct subfolder, or deeper).
#pragma once

#include "model/SolObject.h"

#include <windows.h>

#include <shlobj.h>

#include <vector>

namespace sv
{

struct FavoriteMatch
{
    int index = -1;    // into the favorites, -1 none
    int relation = -1; // 0 the favorite's own folder, 1 a direct subfolder, 2 deeper
};

FavoriteMatch MatchFavorite(const std::vector<CSolObject>& favorites, const ITEMIDLIST* folder);

} // namespace sv
