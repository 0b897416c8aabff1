// Command routing: each target has a table of handlers and state queries by id or id
// range; a command nobody handles is disabled, as users expect of menu entries.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <vector>

namespace sv
{

struct CommandState
{
    bool enabled = true;
    bool checked = false;
    bool radio = false; // a check drawn as a bullet
};

class CommandTable
{
public:
    using Handler = std::function<void(UINT id)>;
    using StateQuery = std::function<CommandState(UINT id)>;

    void Add(UINT id, Handler handler, StateQuery state = {})
    {
        AddRange(id, id, std::move(handler), std::move(state));
    }
    void AddRange(UINT first, UINT last, Handler handler, StateQuery state = {});

    bool Execute(UINT id) const;
    std::optional<CommandState> State(UINT id) const;

private:
    struct Entry
    {
        UINT first;
        UINT last;
        Handler handler;
        StateQuery state;
    };
    const Entry* Find(UINT id) const;
    std::vector<Entry> m_entries;
};

class CCommandTarget
{
public:
    virtual ~CCommandTarget() = default;

    // Tries this target, then the next ones in the chain; false when nobody handled it.
    bool RouteCommand(UINT id);
    // The state from the first target that knows the command; disabled when none does.
    CommandState RouteCommandState(UINT id);

protected:
    // The next target in the chain (pane → tab window → main frame → application).
    virtual CCommandTarget* NextCommandTarget() { return nullptr; }
    CommandTable& Commands() { return m_commands; }

private:
    CommandTable m_commands;
};

// Enables, disables and checks the entries of a popup menu that is about to open.
void UpdateMenuCommandStates(HMENU popup, CCommandTarget& target);

} // namespace sv
