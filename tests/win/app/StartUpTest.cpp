#include "../ScopedDataFolder.h"
#include "../WinTestSupport.h"
#include "app/AboutDialog.h"
#include "app/BrowserApp.h"
#include "app/CrashReport.h"
#include "app/DataFolder.h"
#include "app/OsVersion.h"
#include "res/resource.h"

#include <commctrl.h>
#include <commdlg.h>

#include <gtest/gtest.h>

using namespace sv;
using namespace sv::test;

namespace
{
void WriteText(const std::wstring& path, const std::string& content)
{
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    ::CloseHandle(file);
}

std::string ReadText(const std::wstring& path)
{
    const auto bytes = ReadWholeFile(path);
    return std::string(bytes.begin(), bytes.end());
}

class DataFolderTest : public ::testing::Test
{
protected:
    ScopedDataFolder m_folder;
};
} // namespace

TEST_F(DataFolderTest, OldFavoritesAndFiltersMoveToTheirNewNames)
{
    WriteText(DataFilePath(L"Solvanta.fav"), "old favorites");
    WriteText(DataFilePath(L"Solvanta.fil"), "old filters");
    CBrowserApp::MoveOldDataFiles();
    EXPECT_EQ(ReadText(DataFilePath(L"Solvanta_Fav.cfg")), "old favorites");
    EXPECT_EQ(ReadText(DataFilePath(L"Solvanta_Fil.cfg")), "old filters");
    EXPECT_FALSE(FileExists(DataFilePath(L"Solvanta.fav")));
    EXPECT_FALSE(FileExists(DataFilePath(L"Solvanta.fil")));
}

TEST_F(DataFolderTest, AnExistingNewFileIsNeverOverwritten)
{
    WriteText(DataFilePath(L"Solvanta.fav"), "old favorites");
    WriteText(DataFilePath(L"Solvanta_Fav.cfg"), "current favorites");
    CBrowserApp::MoveOldDataFiles();
    EXPECT_EQ(ReadText(DataFilePath(L"Solvanta_Fav.cfg")), "current favorites");
    EXPECT_TRUE(FileExists(DataFilePath(L"Solvanta.fav")));
    EXPECT_FALSE(FileExists(DataFilePath(L"Solvanta_Fil.cfg")));
}

TEST(OsVersion, WineAsWindows10IsTheNewestKind)
{
    EXPECT_EQ(CurrentOsKind(), OsKind::Win8_64);
    EXPECT_EQ(DefaultDumpFileName(CurrentOsKind()), L"SolvantaCrashReport_1.37.0_Win8_64.dmp");
}

class CrashReportTest : public ::testing::Test
{
protected:
    CrashReportTest()
    {
        ::RtlCaptureContext(&m_context);
        m_record.ExceptionCode = EXCEPTION_ACCESS_VIOLATION;
        m_record.ExceptionAddress = reinterpret_cast<void*>(m_context.Rip);
        m_pointers = {&m_record, &m_context};
    }
    CONTEXT m_context{};
    EXCEPTION_RECORD m_record{};
    EXCEPTION_POINTERS m_pointers{};
    std::vector<FileDialogRequest> m_dialogs;
};

TEST_F(CrashReportTest, YesAndAFileNameWriteADumpAndEndTheProcessQuietly)
{
    ScopedTempFolder folder;
    const std::wstring dump = folder.File(L"crash.dmp");
    MessageRecorder messages(IDYES);
    ScopedFileDialogResponder dialogs(
        [&](const FileDialogRequest& request)
        {
            m_dialogs.push_back(request);
            return std::optional<std::wstring>(dump);
        });
    EXPECT_EQ(ReportCrash(&m_pointers), EXCEPTION_EXECUTE_HANDLER);

    ASSERT_EQ(messages.Requests().size(), 1u);
    const auto& question = messages.Requests()[0];
    EXPECT_EQ(question.caption, L"Solvanta Programmabsturz");
    EXPECT_EQ(question.owner, nullptr);
    EXPECT_EQ(question.type & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
    EXPECT_EQ(question.type & MB_ICONMASK, static_cast<UINT>(MB_ICONWARNING));
    EXPECT_EQ(
        question.text.rfind(L"Solvanta ist leider abgestürzt.\n\nWenn Sie wollen, können Sie jetzt einen "
                            L"Crash-Report (Minidump-Datei)\nerstellen lassen und anschließend an ",
                            0),
        0u);
    ASSERT_EQ(m_dialogs.size(), 1u);
    EXPECT_TRUE(m_dialogs[0].save);
    EXPECT_EQ(m_dialogs[0].title, L"Minidump-Datei speichern");
    EXPECT_EQ(m_dialogs[0].filter, L"Crash Dump File (*.dmp)|*.dmp||");
    EXPECT_EQ(m_dialogs[0].defaultName, L"SolvantaCrashReport_1.37.0_Win8_64.dmp");
    EXPECT_EQ(m_dialogs[0].flags & (OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT),
              static_cast<DWORD>(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT));

    const auto bytes = ReadWholeFile(dump);
    ASSERT_GT(bytes.size(), 32u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "MDMP");
}

TEST_F(CrashReportTest, NoOrCancelLetsTheFaultReachTheSystem)
{
    {
        MessageRecorder messages(IDNO);
        ScopedFileDialogResponder dialogs(
            [&](const FileDialogRequest& request)
            {
                m_dialogs.push_back(request);
                return std::optional<std::wstring>();
            });
        EXPECT_EQ(ReportCrash(&m_pointers), EXCEPTION_CONTINUE_SEARCH);
        EXPECT_TRUE(m_dialogs.empty());
    }
    {
        MessageRecorder messages(IDYES);
        ScopedFileDialogResponder dialogs([](const FileDialogRequest&)
                                          { return std::optional<std::wstring>(); });
        EXPECT_EQ(ReportCrash(&m_pointers), EXCEPTION_CONTINUE_SEARCH);
    }
    {
        MessageRecorder messages(IDYES);
        ScopedFileDialogResponder dialogs(
            [](const FileDialogRequest&)
            { return std::optional<std::wstring>(L"Q:\\no\\such\\folder\\x.dmp"); });
        EXPECT_EQ(ReportCrash(&m_pointers), EXCEPTION_CONTINUE_SEARCH);
    }
    EXPECT_EQ(ReportCrash(nullptr), EXCEPTION_CONTINUE_SEARCH);
}

TEST(AboutBox, LayoutLinkAndPaintedLines)
{
    CAboutDialog about;
    ASSERT_TRUE(about.CreateModeless(nullptr));
    wchar_t caption[32] = {};
    ::GetWindowTextW(about.Hwnd(), caption, 32);
    EXPECT_STREQ(caption, L"Info");

    RECT units{0, 0, 238, 174};
    ::MapDialogRect(about.Hwnd(), &units);
    RECT client{};
    ::GetClientRect(about.Hwnd(), &client);
    EXPECT_EQ(client.right, units.right);
    EXPECT_EQ(client.bottom, units.bottom);

    const HWND link = ::GetDlgItem(about.Hwnd(), IDC_ABOUT_LINK);
    ASSERT_NE(link, nullptr);
    RECT linkRect{};
    ::GetWindowRect(link, &linkRect);
    ::MapWindowPoints(nullptr, about.Hwnd(), reinterpret_cast<POINT*>(&linkRect), 2);
    EXPECT_EQ(linkRect.top, 170);
    EXPECT_LE(std::abs((linkRect.left + linkRect.right) - client.right), 1);
    EXPECT_NE(::GetDlgItem(about.Hwnd(), IDOK), nullptr);

    // The three lines are painted in dark blue on whatever background there is.
    const HDC screen = ::GetDC(nullptr);
    const HDC memory = ::CreateCompatibleDC(screen);
    const HBITMAP bitmap = ::CreateCompatibleBitmap(screen, client.right, client.bottom);
    ::ReleaseDC(nullptr, screen);
    const HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::PatBlt(memory, 0, 0, client.right, client.bottom, WHITENESS);
    CAboutDialog::PaintTexts(memory, client.right);
    int darkBlue = 0;
    int darkBlueRows[3] = {0, 0, 0};
    for (int y = 0; y < client.bottom; ++y)
    {
        for (int x = 0; x < client.right; ++x)
        {
            if (::GetPixel(memory, x, y) == RGB(0, 0, 128))
            {
                ++darkBlue;
                darkBlueRows[y < 90 ? 0 : (y < 116 ? 1 : 2)]++;
            }
        }
    }
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    EXPECT_GT(darkBlue, 200);
    EXPECT_GT(darkBlueRows[0], darkBlueRows[1]) << "the name is the largest line";
    EXPECT_GT(darkBlueRows[2], 0);
}

TEST(AboutBox, TheAboutCommandBelongsToTheApplication)
{
    CBrowserApp app;
    CMainFrame frame(0, &app);
    EXPECT_TRUE(frame.RouteCommandState(cmd::kAbout).enabled);
    EXPECT_FALSE(frame.RouteCommandState(cmd::kNewWindow + 1).enabled);
}
