// Where Wine's shell gives wrong answers without failing, the services take another way;
// every such decision is made here.
#pragma once

namespace sv
{

bool IsWine();
// Wine keeps only 32 bits of a file's size in its lists and reports the truncated value
// (5 GiB as 1 GiB) with no high part.
bool ShellFindDataTruncatesSizes();
// Wine's folder view takes the commands "move to folder" and "copy to folder" without doing
// anything, and has no undo.
bool ViewIgnoresTransferCommands();
bool ViewHasNoUndo();
// Wine's shell drop targets (views and folders) take a drop and do nothing.
bool ShellDropTargetsDoNothing();
// Wine's file operation tells every view of the target about every single file, and each view
// handles that on the window's thread; the program copies by itself there.
bool ShellOperationsNotifyEveryItem();

// Wine's file-system folders claim subfolders for every folder, empty or not.
bool ShellClaimsSubfoldersEverywhere();

// Wine's shell takes changes of its state (hidden items, protected files) without keeping
// them; it reads the Explorer registry values instead.
bool ShellSettingsIgnoreWrites();
// Wine's folder view never asks its folder for hidden items.
bool ViewNeverShowsHiddenItems();
// Wine's file browser, which the shell starts for a search, has no search.
bool ShellHasNoSearch();

} // namespace sv
