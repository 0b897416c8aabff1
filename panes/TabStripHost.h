// What the folder tab strip needs from the frame that owns the folder windows. A tab's item
// (its LPARAM) names the folder window it stands for; the owner implements these, tests fake
// them.
#pragma once

#include "model/ColorRamp.h"
#include "model/SplitMode.h"

#include <windows.h>

#include <string>

namespace sv
{

// The favorites whose colours a tab is painted in: positions in the favorites list, -1 when
// the pane's folder belongs to none (or counts for none under the settings).
struct TabFavorites
{
    int first = -1;
    int second = -1;
    bool split = false;
};

// Options of the strip taken from the settings record, once at creation and after every
// change of the settings.
struct TabStripOptions
{
    bool showDynamically = false;   // tabsShowDynamically: the bar only with two tabs or more
    bool closeOnDoubleClick = true; // tabCloseOnDoubleClick
    int rightDragArrangement = 0;   // 0 side by side, 1 one above the other, 2 ask
    bool showToolTips = true;       // tabShowToolTips
    bool markFavoriteTabs = true;   // markFavoriteTabs: paint the tabs in their favorites' colours
    int tabHeight = 24;             // tabHeight, in pixels at 96 dpi
};

class ITabStripHost
{
public:
    virtual ~ITabStripHost() = default;

    // The user chose the tab: its window becomes the active one.
    virtual void ActivateTab(LPARAM item) = 0;
    // Posts a close request to the tab's window (never closes it inside the caller's message).
    virtual void CloseTab(LPARAM item) = 0;
    // The main frame's "&Alle schließen".
    virtual void CloseAllTabs() = 0;
    // A new tab from a snapshot of this one.
    virtual void DuplicateTab(LPARAM item) = 0;
    // A new tab from an empty window record (the default start state).
    virtual void NewTab() = 0;
    // After a right drag of `source` onto `target`: side by side or one above the other.
    virtual void ArrangeTabs(LPARAM source, LPARAM target, SplitMode mode) = 0;
    // The settings dialog at its page "Tabs"; false while that dialog does not exist.
    virtual bool CanOpenTabSettings() const = 0;
    virtual void OpenTabSettings() = 0;
    // The tooltip: the full path of the first pane, and of the second after a line break.
    virtual std::wstring TabToolTip(LPARAM item) = 0;
    virtual TabFavorites TabFavoritesOf(LPARAM item) = 0;
    // The ramp of favorite `favorite`, or the default grey ramp for -1 (or an unknown one).
    virtual const ColorRamp& RampOf(int favorite) = 0;
};

} // namespace sv
