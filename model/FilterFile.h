// "Solvanta_Fil.cfg": the view filters as a file.
#pragma once

#include "Filter.h"
#include "framework/archive/DataFile.h"

namespace sv
{

inline constexpr const wchar_t* kFiltersFileName = L"Solvanta_Fil.cfg";

// The list is replaced: by the file's filters, or by an empty list when the file is
// missing, cannot be opened or is damaged (DataFileKind::Filters gives the message).
ReadStatus ReadFiltersFile(const std::filesystem::path& file, CFilters& filters,
                           AnsiDecoder decoder = &DecodeWindows1252);
WriteStatus WriteFiltersFile(const std::filesystem::path& file, const CFilters& filters);

} // namespace sv
