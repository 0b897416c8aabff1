// The entries of a pane's history menus: the back and forward drop-downs over its CHistory
// and the history button's menu over its own and the global CVisited.
#pragma once

#include "model/History.h"
#include "model/Visited.h"

#include <string>
#include <vector>

namespace sv
{

inline constexpr int kFirstHistoryStepCommand = 501;
inline constexpr int kLastHistoryStepCommand = 512;
inline constexpr int kHistoryStepMenuLimit = kLastHistoryStepCommand - kFirstHistoryStepCommand + 1;
inline constexpr int kFirstVisitedCommand = 600;
inline constexpr int kLastVisitedCommand = 639;

struct HistoryStepItem
{
    int command = 0;   // moves by command - kFirstHistoryStepCommand + 1 steps in the menu's direction
    std::wstring text; // the name stored with the entry
};

// Back lists current - 1, current - 2, ...; forward current + 1, ...; at most 12 entries.
std::vector<HistoryStepItem> HistoryStepItems(const CHistory& history, bool forward);
// The signed step of a drop-down command; 0 for an id outside
// kFirstHistoryStepCommand..kLastHistoryStepCommand.
int HistoryStepOfCommand(int command, bool forward);

struct VisitedMenuItem
{
    int command = 0;
    bool global = false;  // from the main frame's list
    int slot = 0;         // slot of the entry in its ring
    bool checked = false; // the ring's current entry
};

// The pane's entries in recency order (kFirstVisitedCommand + i), then the global ones (continuing ids).
std::vector<VisitedMenuItem> VisitedMenuItems(const CVisited& pane, const CVisited& global);
// The entry a history-menu command stands for, or nullptr.
const VisitedMenuItem* FindVisitedMenuItem(const std::vector<VisitedMenuItem>& items, int command);

} // namespace sv
