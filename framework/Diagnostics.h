// Reports a fault that reached a boundary (window procedure, COM method) unhandled.
#pragma once

#include <exception>

namespace sv
{
// Writes to the debugger output; the program goes on with the default handling.
void ReportUnexpected(const char* what);

// Runs `call` so that no exception crosses the boundary: a fault is reported and `onFault`
// returned instead.
template <typename Result, typename Call> Result CallGuarded(Call&& call, Result onFault) noexcept
{
    try
    {
        return call();
    }
    catch (const std::exception& e)
    {
        ReportUnexpected(e.what());
    }
    catch (...)
    {
        ReportUnexpected("unknown exception");
    }
    return onFault;
}
} // namespace sv
