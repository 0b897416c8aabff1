// The name of a folder the program makes itself where the shell has no "new folder" verb:
// "Neuer Ordner", then "Neuer Ordner (2)", "Neuer Ordner (3)", ...
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace sv
{

inline constexpr const wchar_t* kNewFolderBaseName = L"Neuer Ordner";

// The `number`th name: 1 is the plain name, every later one carries its number.
std::wstring NewFolderName(int number);
// The first name that `taken` does not report, or nothing when all of the first
// `maxTries` are taken.
std::optional<std::wstring> FirstFreeNewFolderName(const std::function<bool(const std::wstring&)>& taken,
                                                   int maxTries = 10000);

} // namespace sv
