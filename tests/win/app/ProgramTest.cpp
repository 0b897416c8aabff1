// The real Solvanta.exe, started as a user would: start and close, single instance,
// and the crash report.
#include "../ProcessSupport.h"
#include "../WinTestSupport.h"
#include "app/AppMessages.h"
#include "app/DataFolder.h"
#include "app/MainFrame.h"
#include "app/SingleInstance.h"
#include "folder/ChildFrame.h"
#include "model/Arrangement.h"
#include "model/CommandCatalogue.h"
#include "model/SettingsFile.h"
#include "shell/ItemIdListConversion.h"
#include "shell/Pidl.h"

#include "framework/archive/TextCodec.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace sv;
using namespace sv::test;

namespace
{
const std::vector<uint8_t> kSettingsHeader{0, 0, 0, 0, 0x5A, 0x05, 0, 0, 1, 0, 0, 0};

std::wstring UserSettingsPath()
{
    return *ApplicationDataFolder() + L"\\Solvanta (x64)\\Solvanta.cfg";
}

void WriteUserSettings(bool singleInstance)
{
    CParams params;
    params.Reset(SettingsDefaults{});
    params.singleInstance = singleInstance;
    CreateDataFolder();
    ASSERT_EQ(WriteSettingsFile(UserSettingsPath(), params), WriteStatus::Ok);
}

void CloseAndWait(StartedProgram& program, HWND frame)
{
    ::PostMessageW(frame, WM_CLOSE, 0, 0);
    if (!WaitForExit(program)) ::TerminateProcess(program.process.Get(), 1);
}

// A first instance inside the test: it holds the marker and records what it is handed.
class ReceivingFrame : public CMainFrame
{
public:
    explicit ReceivingFrame(UINT handOffMessage) : CMainFrame(handOffMessage) {}
    void OpenCommandLineText(const std::wstring& text) override { received.push_back(text); }
    std::vector<std::wstring> received;
};
} // namespace

TEST(Program, StartsShowsItsFrameAndWritesSettingsInTheUsersDataFolder)
{
    ASSERT_TRUE(ApplicationDataFolder().has_value());
    ::DeleteFileW(UserSettingsPath().c_str());
    auto program = StartSolvanta(L"");
    ASSERT_TRUE(program.process);
    const HWND frame = WaitForProcessWindow(program.processId, CMainFrame::kWindowClass);
    ASSERT_NE(frame, nullptr) << "no main frame appeared";
    wchar_t title[64] = {};
    ::GetWindowTextW(frame, title, 64);
    EXPECT_STREQ(title, L"Solvanta");
    // The frame is shown once its bars are built.
    EXPECT_TRUE(PumpUntil([frame] { return ::IsWindowVisible(frame) != FALSE; }, 20000));

    ::PostMessageW(frame, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitForExit(program));
    EXPECT_EQ(ExitCode(program), 0u);
    const auto bytes = ReadWholeFile(UserSettingsPath());
    ASSERT_GE(bytes.size(), kSettingsHeader.size());
    EXPECT_TRUE(std::equal(kSettingsHeader.begin(), kSettingsHeader.end(), bytes.begin()));
}

TEST(Program, ASecondStartHandsItsCommandLineToTheFirstAndEnds)
{
    SingleInstance first;
    ASSERT_EQ(first.AcquireMarker(), SingleInstance::Marker::Acquired);
    MessageRecorder messages;
    ReceivingFrame frame(first.HandOffMessage());
    ASSERT_TRUE(frame.CreateFrame());

    auto second = StartSolvanta(L"\"C:\\windows\\system32\"");
    ASSERT_TRUE(second.process);
    ASSERT_TRUE(WaitForExit(second)) << "the second start did not end";
    EXPECT_EQ(ExitCode(second), 0u);
    ASSERT_TRUE(PumpUntil([&] { return !frame.received.empty(); }));
    ASSERT_EQ(frame.received.size(), 1u);
    EXPECT_EQ(frame.received[0], L"\"C:\\windows\\system32\"");

    // A hand-off block is gone once the hand-off is over, so the next one can be made.
    EXPECT_EQ(::OpenFileMappingW(FILE_MAP_READ, FALSE, kHandOffBlockName), nullptr);
    ::SendMessageW(frame.Hwnd(), WM_CLOSE, 0, 0);
    PumpUntilIdle();
}

TEST(Program, WithoutTheMarkerASecondStartRunsNormally)
{
    WriteUserSettings(false);
    auto first = StartSolvanta(L"");
    const HWND firstFrame = WaitForProcessWindow(first.processId, CMainFrame::kWindowClass);
    ASSERT_NE(firstFrame, nullptr);
    // The first instance read singleInstance off and dropped its marker.
    auto second = StartSolvanta(L"C:\\windows");
    const HWND secondFrame = WaitForProcessWindow(second.processId, CMainFrame::kWindowClass);
    EXPECT_NE(secondFrame, nullptr) << "the second start handed over instead of running";
    if (secondFrame)
        CloseAndWait(second, secondFrame);
    else
        ::TerminateProcess(second.process.Get(), 1);
    CloseAndWait(first, firstFrame);
}

TEST(Program, WithTheMarkerHeldARealSecondInstanceEndsAtOnce)
{
    WriteUserSettings(true);
    auto first = StartSolvanta(L"");
    const HWND firstFrame = WaitForProcessWindow(first.processId, CMainFrame::kWindowClass);
    ASSERT_NE(firstFrame, nullptr);
    auto second = StartSolvanta(L"C:\\windows");
    EXPECT_TRUE(WaitForExit(second, 10000));
    EXPECT_EQ(FindProcessWindow(second.processId, CMainFrame::kWindowClass), nullptr);
    EXPECT_EQ(ExitCode(second), 0u);
    CloseAndWait(first, firstFrame);
}

TEST(Program, AnArrangementNamedOnTheCommandLineIsRestoredAndSavedAtTheEnd)
{
    WriteUserSettings(false);
    ScopedTempFolder folder;
    CSolObjects arrangement;
    for (const wchar_t* name : {L"links", L"rechts"})
    {
        ::CreateDirectoryW(folder.File(name).c_str(), nullptr);
        CSolObject record;
        record.panes[0].folder = ToItemIdList(PidlFromPath(folder.File(name)).Get());
        arrangement.records.push_back(std::move(record));
    }
    const std::wstring file = folder.File(L"Zwei Tabs.sws");
    ASSERT_EQ(WriteArrangementFile(file, arrangement), WriteStatus::Ok);
    const std::wstring start = *ApplicationDataFolder() + L"\\Solvanta (x64)\\" + kStartArrangementFileName;
    ::DeleteFileW(start.c_str());

    auto program = StartSolvanta(L"\"" + file + L"\"");
    const HWND frame = WaitForProcessWindow(program.processId, CMainFrame::kWindowClass);
    ASSERT_NE(frame, nullptr);
    const auto windows = [frame]
    {
        // Asked anew each time: the frame may be found before it has made its client.
        const HWND client = ::FindWindowExW(frame, nullptr, L"MDICLIENT", nullptr);
        if (!client) return 0;
        int count = 0;
        for (HWND child = nullptr;
             (child = ::FindWindowExW(client, child, CChildFrame::kWindowClass, nullptr));)
            ++count;
        return count;
    };
    EXPECT_TRUE(PumpUntil([&] { return windows() == 2; }, 20000))
        << windows() << " folder windows; the program's windows:\n"
        << ToUtf8(DescribeProcessWindows(program.processId));
    CloseAndWait(program, frame);

    CSolObjects saved;
    ASSERT_EQ(ReadArrangementFile(start, saved), ReadStatus::Ok) << "the start arrangement at shutdown";
    EXPECT_EQ(saved.records.size(), 2u);
    ::DeleteFileW(start.c_str());
}

TEST(Program, AKilledProgramStartsAgainWithItsTabs)
{
    WriteUserSettings(false);
    ScopedTempFolder folder;
    ::CreateDirectoryW(folder.File(L"eins").c_str(), nullptr);
    const std::wstring start = *ApplicationDataFolder() + L"\\Solvanta (x64)\\" + kStartArrangementFileName;
    ::DeleteFileW(start.c_str());
    // Tabs, not windows: a restored maximised tab gets its window when it is first chosen.
    const auto tabsOf = [](HWND frame)
    {
        std::vector<HWND> open{frame};
        while (!open.empty())
        {
            const HWND parent = open.back();
            open.pop_back();
            for (HWND child = nullptr; (child = ::FindWindowExW(parent, child, nullptr, nullptr));)
            {
                wchar_t name[64] = {};
                ::GetClassNameW(child, name, 64);
                if (std::wstring(name) == WC_TABCONTROLW)
                    return static_cast<int>(::SendMessageW(child, TCM_GETITEMCOUNT, 0, 0));
                open.push_back(child);
            }
        }
        return 0;
    };
    const auto saved = [&start]
    {
        CSolObjects arrangement;
        return ReadArrangementFile(start, arrangement) == ReadStatus::Ok ? arrangement : CSolObjects{};
    };
    const ItemIdList eins = ToItemIdList(PidlFromPath(folder.File(L"eins")).Get());

    // The default window, then the folder of the command line in a second one.
    auto program = StartSolvanta(L"\"" + folder.File(L"eins") + L"\"");
    HWND frame = WaitForProcessWindow(program.processId, CMainFrame::kWindowClass);
    ASSERT_NE(frame, nullptr);
    ::PostMessageW(frame, WM_COMMAND, MAKEWPARAM(cmd::kNewWindow, 0), 0);
    // Saved a few seconds after the last change, with no shutdown to do it.
    int tabs = 0;
    ASSERT_TRUE(PumpUntil(
        [&]
        {
            tabs = tabsOf(frame);
            const CSolObjects now = saved();
            return tabs == 3 && static_cast<int>(now.records.size()) == tabs &&
                   std::any_of(now.records.begin(), now.records.end(),
                               [&](const CSolObject& record) { return record.panes[0].folder == eins; });
        },
        20000))
        << saved().records.size() << " windows saved of " << tabs << " tabs";
    ::TerminateProcess(program.process.Get(), 9);
    ASSERT_TRUE(WaitForExit(program));

    auto again = StartSolvanta(L"");
    frame = WaitForProcessWindow(again.processId, CMainFrame::kWindowClass);
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(PumpUntil([&] { return tabsOf(frame) == tabs; }, 20000)) << tabsOf(frame) << " tabs";
    CloseAndWait(again, frame);
    ::DeleteFileW(start.c_str());
}

// The titles of the program's folder windows.
std::vector<std::wstring> FolderWindowTitles(HWND frame)
{
    std::vector<std::wstring> titles;
    const HWND client = ::FindWindowExW(frame, nullptr, L"MDICLIENT", nullptr);
    for (HWND child = nullptr;
         client && (child = ::FindWindowExW(client, child, CChildFrame::kWindowClass, nullptr));)
    {
        wchar_t title[1024] = {};
        ::GetWindowTextW(child, title, 1024);
        titles.push_back(title);
    }
    return titles;
}

TEST(Program, TwoFoldersLongerThanAHandOffOpenAndAWrongOneIsNamedSo)
{
    WriteUserSettings(false);
    const std::wstring start = *ApplicationDataFolder() + L"\\Solvanta (x64)\\" + kStartArrangementFileName;
    ::DeleteFileW(start.c_str());
    ScopedTempFolder folder;
    // Two folders whose command line is longer than a hand-off carries.
    const auto deep = [&](const std::wstring& name)
    {
        std::wstring path = folder.Path();
        for (int level = 0; path.size() < 120; ++level)
        {
            path += L"\\Ebene" + std::to_wstring(level) + std::wstring(30, L'_');
            ::CreateDirectoryW(path.c_str(), nullptr);
        }
        path += L"\\" + name;
        EXPECT_TRUE(::CreateDirectoryW(path.c_str(), nullptr));
        return path;
    };
    const std::wstring left = deep(L"Links");
    // Each below the system's path limit: the test's folder must be removable afterwards.
    const std::wstring right = deep(L"Rechts" + std::wstring(70, L'r'));
    const std::wstring both = L"\"" + left + L"\" \"" + right + L"\"";
    ASSERT_GT(both.size(), 300u);
    ASSERT_LT(right.size(), 240u);

    // The default window and one with both folders.
    auto program = StartSolvanta(both);
    HWND frame = WaitForProcessWindow(program.processId, CMainFrame::kWindowClass);
    ASSERT_NE(frame, nullptr);
    std::vector<std::wstring> titles;
    EXPECT_TRUE(PumpUntil(
        [&]
        {
            titles = FolderWindowTitles(frame);
            return titles.size() == 2 && std::any_of(titles.begin(), titles.end(),
                                                     [](const std::wstring& title) {
                                                         return title.find(L"Links") != std::wstring::npos &&
                                                                title.find(L"Rechts") != std::wstring::npos;
                                                     });
        },
        20000))
        << ToUtf8(DescribeProcessWindows(program.processId));
    CloseAndWait(program, frame);

    // A folder that is not there: the message, and no window of its own.
    auto wrong = StartSolvanta(L"\"" + left + L"\\fehlt\"");
    frame = WaitForProcessWindow(wrong.processId, CMainFrame::kWindowClass);
    ASSERT_NE(frame, nullptr);
    const HWND error = WaitForProcessWindow(wrong.processId, L"#32770", L"Fehler");
    ASSERT_NE(error, nullptr) << ToUtf8(DescribeProcessWindows(wrong.processId));
    EXPECT_NE(::FindWindowExW(error, nullptr, L"Static", L"Der eingegebene Pfad ist ungültig."), nullptr)
        << ToUtf8(DescribeProcessWindows(wrong.processId));
    ::PostMessageW(error, WM_COMMAND, IDOK, 0);
    PumpUntil([&] { return !::IsWindow(error); }, 5000);
    PumpUntilIdle();
    titles = FolderWindowTitles(frame);
    EXPECT_EQ(titles.size(), 1u);
    EXPECT_EQ(std::count(titles.begin(), titles.end(), L"<unknown>"), 0);
    CloseAndWait(wrong, frame);
    ::DeleteFileW(start.c_str());
}

TEST(Program, DecliningTheCrashReportLetsTheFaultThrough)
{
    ::DeleteFileW(UserSettingsPath().c_str());
    auto program = StartSolvanta(L"/solvanta-raise-fault");
    const HWND question = WaitForProcessWindow(program.processId, L"#32770", L"Solvanta Programmabsturz");
    ASSERT_NE(question, nullptr) << "no crash question";
    ::PostMessageW(question, WM_COMMAND, IDNO, 0);
    ASSERT_TRUE(WaitForExit(program));
    EXPECT_EQ(ExitCode(program), static_cast<DWORD>(EXCEPTION_ACCESS_VIOLATION));
}

TEST(Program, AcceptingTheCrashReportWritesAMinidump)
{
    ScopedTempFolder folder;
    const std::wstring dump = folder.File(L"report.dmp");
    auto program = StartSolvanta(L"/solvanta-raise-fault");
    const HWND question = WaitForProcessWindow(program.processId, L"#32770", L"Solvanta Programmabsturz");
    ASSERT_NE(question, nullptr);
    ::PostMessageW(question, WM_COMMAND, IDYES, 0);
    const HWND save = WaitForProcessWindow(program.processId, L"#32770", L"Minidump-Datei speichern");
    ASSERT_NE(save, nullptr) << "no save dialog";
    // The file name box of the save dialog (an edit or a combo box, by dialog version).
    HWND name = ::GetDlgItem(save, 0x47C);
    if (!name) name = ::GetDlgItem(save, 0x480);
    ASSERT_NE(name, nullptr);
    ::SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(dump.c_str()));
    ::PostMessageW(save, WM_COMMAND, IDOK, 0);
    // Wine's dump writer reads every loaded module, Linux libraries included: about ten seconds.
    ASSERT_TRUE(WaitForExit(program, 90000));
    const auto bytes = ReadWholeFile(dump);
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "MDMP");
}
