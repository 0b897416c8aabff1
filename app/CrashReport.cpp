#include "CrashReport.h"

#include "BrowserApp.h"
#include "OsVersion.h"
#include "framework/Handles.h"
#include "framework/MessageSeam.h"

#include <commdlg.h>
#include <dbghelp.h>

#include <cstdio>
#include <exception>

namespace sv
{

namespace
{
constexpr DWORD kUncaughtCppException = 0xE0534F4C; // "SOL"

LONG WINAPI UnhandledExceptionFilterEntry(EXCEPTION_POINTERS* exception)
{
    if (!CBrowserApp::Instance()) return EXCEPTION_CONTINUE_SEARCH;
    return ReportCrash(exception);
}

[[noreturn]] void OnTerminate()
{
    ::RaiseException(kUncaughtCppException, EXCEPTION_NONCONTINUABLE, 0, nullptr);
    std::abort();
}

std::wstring CrashQuestion()
{
    return std::wstring(
               L"Solvanta ist leider abgestürzt.\n\nWenn Sie wollen, können Sie jetzt einen Crash-Report "
               L"(Minidump-Datei)\nerstellen lassen und anschließend an ") +
           kSupportAddress + L" schicken.";
}
} // namespace

void InstallCrashHandler()
{
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    ::SetUnhandledExceptionFilter(&UnhandledExceptionFilterEntry);
    std::set_terminate(&OnTerminate);
}

std::wstring DefaultDumpFileName(OsKind kind)
{
    wchar_t name[256] = {};
    std::swprintf(name, 256, L"SolvantaCrashReport_%d.%d.%d_%ls.dmp", 1, 37, 0, OsKindName(kind));
    return name;
}

LONG ReportCrash(EXCEPTION_POINTERS* exception)
{
    if (!exception) return EXCEPTION_CONTINUE_SEARCH;
    if (ShowMessage(nullptr, CrashQuestion(), L"Solvanta Programmabsturz", MB_YESNO | MB_ICONWARNING) !=
        IDYES)
        return EXCEPTION_CONTINUE_SEARCH;

    FileDialogRequest request;
    request.save = true;
    request.title = L"Minidump-Datei speichern";
    request.filter = L"Crash Dump File (*.dmp)|*.dmp||";
    request.defaultName = DefaultDumpFileName(CurrentOsKind());
    request.defaultExtension = L"dmp";
    request.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    const auto path = ChooseFile(request);
    if (!path) return EXCEPTION_CONTINUE_SEARCH;

    UniqueFile file(::CreateFileW(path->c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return EXCEPTION_CONTINUE_SEARCH;
    MINIDUMP_EXCEPTION_INFORMATION information{::GetCurrentThreadId(), exception, FALSE};
    const BOOL written = ::MiniDumpWriteDump(::GetCurrentProcess(), ::GetCurrentProcessId(), file.Get(),
                                             MiniDumpNormal, &information, nullptr, nullptr);
    file.Reset();
    if (!written)
    {
        // No report to send: let the system handle the fault rather than end silently.
        ::DeleteFileW(path->c_str());
        return EXCEPTION_CONTINUE_SEARCH;
    }
    return EXCEPTION_EXECUTE_HANDLER;
}

} // namespace sv
