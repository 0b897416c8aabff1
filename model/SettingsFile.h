// "Solvanta.cfg": the settings record as a file.
#pragma once

#include "Params.h"
#include "framework/archive/DataFile.h"

namespace sv
{

inline constexpr const wchar_t* kSettingsFileName = L"Solvanta.cfg";

// Never leaves a half-read record: on any failure the record holds its defaults.
ReadStatus ReadSettingsFile(const std::filesystem::path& file, CParams& params,
                            const SettingsDefaults& defaults, AnsiDecoder decoder = &DecodeWindows1252);
WriteStatus WriteSettingsFile(const std::filesystem::path& file, const CParams& params);

} // namespace sv
