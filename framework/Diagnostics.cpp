#include "Diagnostics.h"

#include <windows.h>

#include <string>

namespace sv
{
void ReportUnexpected(const char* what)
{
    const std::string text = std::string("Solvanta: unexpected failure: ") + what + "\n";
    ::OutputDebugStringA(text.c_str());
}
} // namespace sv
