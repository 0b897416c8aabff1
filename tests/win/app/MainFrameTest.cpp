#include "app/MainFrame.h"
#include "../MainFrameFixture.h"
#include "app/DataFolder.h"
#include "model/SettingsFile.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace sv;
using namespace sv::test;

namespace
{
const std::vector<uint8_t> kSettingsHeader{0x00, 0x00, 0x00, 0x00, 0x5A, 0x05,
                                           0x00, 0x00, 0x01, 0x00, 0x00, 0x00};

std::wstring MenuText(HMENU menu, UINT position)
{
    wchar_t text[256] = {};
    ::GetMenuStringW(menu, position, text, 256, MF_BYPOSITION);
    return text;
}

// Each test makes its frames step by step: the steps of the start are what it checks.
class MainFrameTest : public MainFrameFixture
{
protected:
    bool StartsFrameAtSetUp() const override { return false; }
    std::wstring SettingsPath() const { return m_data.Path() + L"\\Solvanta (x64)\\Solvanta.cfg"; }
};
} // namespace

TEST_F(MainFrameTest, DataFilesLiveInTheProgramsFolderBelowApplicationData)
{
    EXPECT_TRUE(FileExists(m_data.Path() + L"\\Solvanta (x64)"));
    EXPECT_EQ(DataFilePath(L"Solvanta.cfg"), SettingsPath());
    EXPECT_EQ(DataFilePath(L"C:\\x\\y.sws"), L"C:\\x\\y.sws");
}

TEST_F(MainFrameTest, StartsWithTheGermanMenuAndWritesSettingsOnClose)
{
    MessageRecorder messages;
    CMainFrame frame;
    frame.ReadSettings();
    EXPECT_TRUE(messages.Requests().empty()) << "a missing settings file is no error";
    EXPECT_EQ(frame.Params().version, 0);
    ASSERT_TRUE(frame.CreateFrame());
    ::ShowWindow(frame.Hwnd(), SW_SHOWNORMAL);
    PumpUntilIdle();

    wchar_t title[64] = {};
    ::GetWindowTextW(frame.Hwnd(), title, 64);
    EXPECT_STREQ(title, L"Solvanta");
    EXPECT_NE(frame.MdiClient(), nullptr);

    const HMENU menu = ::GetMenu(frame.Hwnd());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(MenuText(menu, 0), L"&Datei");
    const HMENU file = ::GetSubMenu(menu, 0);
    const int fileCount = ::GetMenuItemCount(file);
    EXPECT_EQ(::GetMenuItemID(file, 0), static_cast<UINT>(cmd::kNewWindow));
    EXPECT_EQ(MenuText(file, 0), L"Neues &Ordnerfenster\tStrg+N");
    EXPECT_EQ(::GetMenuItemID(file, fileCount - 1), static_cast<UINT>(cmd::kExit));
    EXPECT_EQ(MenuText(file, static_cast<UINT>(fileCount - 1)), L"&Beenden\tAlt+F4");

    bool aboutFound = false;
    for (int popup = 1; popup < ::GetMenuItemCount(menu); ++popup)
    {
        const HMENU sub = ::GetSubMenu(menu, popup);
        for (int i = 0; sub && i < ::GetMenuItemCount(sub); ++i)
        {
            if (::GetMenuItemID(sub, i) == cmd::kAbout)
                aboutFound = MenuText(sub, static_cast<UINT>(i)) == L"Inf&o...";
        }
    }
    EXPECT_TRUE(aboutFound);

    ASSERT_TRUE(CloseFrame(frame));
    const auto bytes = ReadWholeFile(SettingsPath());
    ASSERT_GE(bytes.size(), kSettingsHeader.size());
    EXPECT_TRUE(std::equal(kSettingsHeader.begin(), kSettingsHeader.end(), bytes.begin()));
    EXPECT_FALSE(FileExists(SettingsPath() + L".new"));
    EXPECT_TRUE(messages.Requests().empty());

    // What was written reads back, placement included.
    CParams params;
    ASSERT_EQ(ReadSettingsFile(SettingsPath(), params, frame.Defaults()), ReadStatus::Ok);
    WINDOWPLACEMENT placement{};
    std::memcpy(&placement, params.mainWindowPlacement.data(), sizeof(placement));
    EXPECT_EQ(placement.length, sizeof(WINDOWPLACEMENT));
    EXPECT_EQ(params.startFolder, frame.Defaults().startFolder);
}

TEST_F(MainFrameTest, ExitCommandIsEnabledAndClosesTheFrame)
{
    MessageRecorder messages;
    CMainFrame frame;
    ASSERT_TRUE(frame.CreateFrame());
    const HMENU file = ::GetSubMenu(::GetMenu(frame.Hwnd()), 0);
    ::SendMessageW(frame.Hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
    EXPECT_EQ(::GetMenuState(file, cmd::kExit, MF_BYCOMMAND) & MF_DISABLED, 0u);

    ::SendMessageW(frame.Hwnd(), WM_COMMAND, cmd::kExit, 0);
    PumpUntilIdle();
    EXPECT_EQ(frame.Hwnd(), nullptr);
    EXPECT_TRUE(FileExists(SettingsPath()));
}

TEST_F(MainFrameTest, SettingsFromTheFileReachTheRecord)
{
    CParams stored;
    stored.Reset(SettingsDefaults{});
    stored.tabHeight = 31;
    stored.fileListSeparator = L"›";
    ASSERT_EQ(WriteSettingsFile(SettingsPath(), stored), WriteStatus::Ok);

    MessageRecorder messages;
    CMainFrame frame;
    frame.ReadSettings();
    EXPECT_EQ(frame.Params().version, 1370);
    EXPECT_EQ(frame.Params().tabHeight, 31);
    EXPECT_EQ(frame.Params().fileListSeparator, L"›");
    EXPECT_TRUE(messages.Requests().empty());
}

TEST_F(MainFrameTest, ATruncatedFileGivesTheReadingMessageAndDefaults)
{
    CParams stored;
    stored.Reset(SettingsDefaults{});
    stored.restoreWindowsAtStart = false;
    ASSERT_EQ(WriteSettingsFile(SettingsPath(), stored), WriteStatus::Ok);
    const HANDLE file =
        ::CreateFileW(SettingsPath().c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    ::SetFilePointer(file, 100, nullptr, FILE_BEGIN);
    ::SetEndOfFile(file);
    ::CloseHandle(file);

    MessageRecorder messages;
    CMainFrame frame;
    frame.ReadSettings();
    ASSERT_EQ(messages.Requests().size(), 1u);
    EXPECT_EQ(messages.Requests()[0].text, L"Fehler beim Lesen der Konfigurationsdatei.");
    EXPECT_EQ(messages.Requests()[0].caption, L"Fehler");
    EXPECT_EQ(messages.Requests()[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
    EXPECT_TRUE(frame.Params().restoreWindowsAtStart);
    EXPECT_EQ(frame.Params().version, 0);
}

TEST_F(MainFrameTest, ASettingsFileThatCannotBeWrittenIsReported)
{
    // A folder where the file belongs can be neither opened nor replaced.
    ASSERT_TRUE(::CreateDirectoryW(SettingsPath().c_str(), nullptr));
    MessageRecorder messages;
    CMainFrame frame;
    frame.ReadSettings();
    ASSERT_TRUE(frame.CreateFrame());
    ASSERT_TRUE(CloseFrame(frame));
    ASSERT_EQ(messages.Requests().size(), 2u);
    EXPECT_EQ(messages.Requests()[0].text, L"Fehler beim Lesezugriff auf die Konfigurationsdatei.");
    EXPECT_EQ(messages.Requests()[1].text, L"Fehler beim Schreibzugriff auf die Konfigurationsdatei.");
    EXPECT_EQ(messages.Requests()[1].caption, L"Fehler");
    EXPECT_EQ(messages.Requests()[1].type & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
    EXPECT_FALSE(FileExists(SettingsPath() + L".new"));
}

TEST(Resources, Utf8TextSurvivesTheResourceCompiler)
{
    wchar_t text[128] = {};
    ASSERT_GT(::LoadStringW(::GetModuleHandleW(nullptr), 61000, text, 128), 0);
    EXPECT_STREQ(text, L"Größe › Übersicht … Bestätigung");
}
