// Copies and moves done file by file without the shell, for systems whose shell tells every
// view about every single file it creates (Wine): a view showing the target would redraw
// thousands of times on the window's thread. The views are refreshed once at the end instead.
//
// A stop takes effect between files, and a copy that fails is removed, so no partial file stays
// under a target's name. A file being replaced stays whole until its replacement is (that copy
// is written under a name of its own and renamed over it). A move that must copy (another
// drive) deletes its source only after the copy is complete.
#pragma once

#include "model/TransferProgress.h"

#include <functional>
#include <string>
#include <vector>

namespace sv
{

// Asked when a target exists already; true replaces it.
using ReplaceQuestion = std::function<bool(const std::wstring& target)>;

struct TransferResult
{
    // "path: reason" for each item that could not be carried over.
    std::vector<std::wstring> failures;
    // Stopped through the tally before everything was carried.
    bool cancelled = false;
};

// Copies (or moves) files and folders into `folder`. With `renameOnCollision` a copy whose
// name is taken gets "Name - Kopie" (then " (2)" and so on); otherwise `ask` decides, and a
// target nobody asked about stays as it is. `tally` (optional) hears of every file and is asked
// before each whether to stop.
TransferResult TransferFiles(bool move, const std::vector<std::wstring>& sources, const std::wstring& folder,
                             bool renameOnCollision, const ReplaceQuestion& ask,
                             TransferTally* tally = nullptr);

// The files below `sources` and their bytes (a source file counts itself).
TransferAmount CountTransfer(const std::vector<std::wstring>& sources);

// Appended to a replaced target's name while its replacement is being written.
inline constexpr wchar_t kPartialCopySuffix[] = L".~teilkopie";

// "Name - Kopie.ext" in `folder` for `name`, or the first free "Name - Kopie (n).ext".
std::wstring FreeCopyName(const std::wstring& folder, const std::wstring& name);

} // namespace sv
