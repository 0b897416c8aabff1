// The crash handler: asks the user whether to write a minidump and writes it.
#pragma once

#include "model/OsKind.h"

#include <windows.h>

#include <string>

namespace sv
{

inline constexpr const wchar_t* kSupportAddress = L"support@solvanta.example";

// Error mode, unhandled-exception filter, and a terminate handler that routes uncaught C++
// exceptions through the same filter.
void InstallCrashHandler();

// "SolvantaCrashReport_1.37.0_<kind>.dmp"
std::wstring DefaultDumpFileName(OsKind kind);

// The filter's work: EXCEPTION_EXECUTE_HANDLER after a dump was written, else
// EXCEPTION_CONTINUE_SEARCH so that the system handles the fault as usual.
LONG ReportCrash(EXCEPTION_POINTERS* exception);

// The command-line switch with which developers and tests provoke a fault on purpose.
inline constexpr const wchar_t* kRaiseFaultSwitch = L"/solvanta-raise-fault";

} // namespace sv
