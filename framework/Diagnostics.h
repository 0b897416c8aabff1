// Reports a fault that reached a boundary (window procedure, COM method) unhandled.
#pragma once

namespace sv
{
// Writes to the debugger output; the program goes on with the default handling.
void ReportUnexpected(const char* what);
} // namespace sv
