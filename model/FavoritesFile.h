// "Solvanta_Fav.cfg": the favorites list as a file.
#pragma once

#include "SolObject.h"
#include "framework/archive/DataFile.h"

namespace sv
{

inline constexpr const wchar_t* kFavoritesFileName = L"Solvanta_Fav.cfg";

// Never leaves a half-read list: on any failure the list is empty.
ReadStatus ReadFavoritesFile(const std::filesystem::path& file, CSolObjects& favorites,
                             AnsiDecoder decoder = &DecodeWindows1252);
WriteStatus WriteFavoritesFile(const std::filesystem::path& file, const CSolObjects& favorites);

} // namespace sv
