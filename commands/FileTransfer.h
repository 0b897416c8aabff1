// Copies and moves done file by file without the shell, for systems whose shell tells every
// view about every single file it creates (Wine): a view showing the target would redraw
// thousands of times on the window's thread. The views are refreshed once at the end instead.
#pragma once

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
};

// Copies (or moves) files and folders into `folder`. With `renameOnCollision` a copy whose
// name is taken gets "Name - Kopie" (then " (2)" and so on); otherwise `ask` decides, and a
// target nobody asked about stays as it is.
TransferResult TransferFiles(bool move, const std::vector<std::wstring>& sources, const std::wstring& folder,
                             bool renameOnCollision, const ReplaceQuestion& ask);

// "Name - Kopie.ext" in `folder` for `name`, or the first free "Name - Kopie (n).ext".
std::wstring FreeCopyName(const std::wstring& folder, const std::wstring& name);

} // namespace sv
