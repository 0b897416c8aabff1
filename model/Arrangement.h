// Window arrangements (".sws"): a CSolObjects list with one record per tab window, in the
// stacking order of the windows from the bottom up, so the last record is the window on top.
#pragma once

#include "SolObject.h"
#include "framework/archive/DataFile.h"

#include <span>
#include <string>
#include <string_view>

namespace sv
{

inline constexpr const wchar_t* kStartArrangementFileName = L"Startanordnung.sws";
inline constexpr const wchar_t* kBackupArrangementFileName = L"Backup.sws";
inline constexpr const wchar_t* kArrangementExtension = L".sws";

// Which open window fills a record of a saved arrangement, and the record's tabPosition:
// the number of tabs left of the window's tab whose records come earlier in the file, that
// is, where the tab must be inserted when the windows are created again in record order.
struct ArrangementPlace
{
    size_t window; // index into the walk that was given
    int32_t tabPosition;
    friend bool operator==(const ArrangementPlace&, const ArrangementPlace&) = default;
};

// `tabIndexes` holds the tab index of each window, walked from the top of the stacking
// order down; the result has one place per record, in file order. A tab index that is not
// one of 0..n-1 (a window the tab strip does not know) puts its tab after all earlier ones.
std::vector<ArrangementPlace> ArrangementPlaces(std::span<const int> tabIndexes);

// Readies a loaded list to be created behind `openTabs` tabs that stay open: only the last
// record is activated, positions move behind the open tabs, and every window takes the show
// command of the window that was on top, so all are maximised or none is.
void PrepareArrangementForRestore(CSolObjects& arrangement, int openTabs);

// Where a tab made from a record goes among `tabCount` tabs; no position (-1) or one past
// the existing tabs appends it.
int TabInsertIndex(int32_t tabPosition, int tabCount);

// The "Datei" menu text of an arrangement file: its name without the extension.
std::wstring ArrangementMenuText(std::wstring_view fileName);
// Loading any arrangement but the backup itself first saves the open one as the backup.
bool BackupBeforeLoading(std::wstring_view fileName, bool backupOnArrangementLoad);

// Never leaves a half-read list: on any failure the list is empty.
ReadStatus ReadArrangementFile(const std::filesystem::path& file, CSolObjects& arrangement,
                               AnsiDecoder decoder = &DecodeWindows1252);
// A failed write leaves the previous file as it was; a half-written list never replaces it.
WriteStatus WriteArrangementFile(const std::filesystem::path& file, const CSolObjects& arrangement);

} // namespace sv
