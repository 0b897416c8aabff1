#include "HistoryMenus.h"

#include <algorithm>

namespace sv
{

std::vector<HistoryStepItem> HistoryStepItems(const CHistory& history, bool forward)
{
    std::vector<HistoryStepItem> items;
    const int direction = forward ? 1 : -1;
    for (int step = 1; step <= kHistoryStepMenuLimit; ++step)
    {
        const int index = history.Current() + direction * step;
        if (index < 0 || index >= history.Count()) break;
        items.push_back({kFirstHistoryStepCommand + step - 1, history.Entry(index).name});
    }
    return items;
}

int HistoryStepOfCommand(int command, bool forward)
{
    if (command < kFirstHistoryStepCommand || command > kLastHistoryStepCommand) return 0;
    const int steps = command - (kFirstHistoryStepCommand - 1);
    return forward ? steps : -steps;
}

namespace
{
void AddRing(std::vector<VisitedMenuItem>& items, const CVisited& ring, bool global)
{
    for (int position = 0; position < ring.Count(); ++position)
    {
        const int command = kFirstVisitedCommand + static_cast<int>(items.size());
        if (command > kLastVisitedCommand) return;
        const int slot = ring.SlotAt(position);
        if (ring.Slot(slot).folder.IsNull()) continue; // a damaged file's empty slot
        items.push_back({command, global, slot, slot == ring.Current()});
    }
}
} // namespace

std::vector<VisitedMenuItem> VisitedMenuItems(const CVisited& pane, const CVisited& global)
{
    std::vector<VisitedMenuItem> items;
    AddRing(items, pane, false);
    AddRing(items, global, true);
    return items;
}

const VisitedMenuItem* FindVisitedMenuItem(const std::vector<VisitedMenuItem>& items, int command)
{
    const auto found =
        std::find_if(items.begin(), items.end(), [command](const VisitedMenuItem& item) { return item.command == command; });
    return found == items.end() ? nullptr : &*found;
}

} // namespace sv
