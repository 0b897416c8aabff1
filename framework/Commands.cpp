#include "Commands.h"

namespace sv
{

void CommandTable::AddRange(UINT first, UINT last, Handler handler, StateQuery state)
{
    m_entries.push_back(Entry{first, last, std::move(handler), std::move(state)});
}

const CommandTable::Entry* CommandTable::Find(UINT id) const
{
    for (const auto& entry : m_entries)
    {
        if (id >= entry.first && id <= entry.last) return &entry;
    }
    return nullptr;
}

bool CommandTable::Execute(UINT id) const
{
    const Entry* entry = Find(id);
    if (!entry || !entry->handler) return false;
    if (entry->state && !entry->state(id).enabled)
        return true; // a disabled command reached us through a stale accelerator: swallow it
    entry->handler(id);
    return true;
}

std::optional<CommandState> CommandTable::State(UINT id) const
{
    const Entry* entry = Find(id);
    if (!entry) return std::nullopt;
    return entry->state ? entry->state(id) : CommandState{};
}

bool CCommandTarget::RouteCommand(UINT id)
{
    for (CCommandTarget* target = this; target; target = target->NextCommandTarget())
    {
        if (target->m_commands.Execute(id)) return true;
    }
    return false;
}

CommandState CCommandTarget::RouteCommandState(UINT id)
{
    for (CCommandTarget* target = this; target; target = target->NextCommandTarget())
    {
        if (auto state = target->m_commands.State(id)) return *state;
    }
    return CommandState{false, false, false};
}

void UpdateMenuCommandStates(HMENU popup, CCommandTarget& target)
{
    const int count = ::GetMenuItemCount(popup);
    for (int i = 0; i < count; ++i)
    {
        MENUITEMINFOW info{sizeof(info)};
        info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE;
        if (!::GetMenuItemInfoW(popup, static_cast<UINT>(i), TRUE, &info)) continue;
        if (info.hSubMenu || (info.fType & MFT_SEPARATOR) || info.wID == 0 || info.wID >= 0xF000) continue;
        const CommandState state = target.RouteCommandState(info.wID);
        MENUITEMINFOW update{sizeof(update)};
        update.fMask = MIIM_STATE | MIIM_FTYPE;
        update.fType = (info.fType & ~MFT_RADIOCHECK) | (state.radio ? MFT_RADIOCHECK : 0);
        update.fState = (state.enabled ? MFS_ENABLED : MFS_DISABLED) | (state.checked ? MFS_CHECKED : 0);
        ::SetMenuItemInfoW(popup, static_cast<UINT>(i), TRUE, &update);
    }
}

} // namespace sv
