// Help in the real frame: F1 and "&Hilfe", the settings dialog and the help button of
// "Objekte auswählen" ask the help system for the help file beside the program and their topic.
#include "../MainFrameFixture.h"
#include "app/DataFolder.h"
#include "app/HtmlHelp.h"
#include "app/MainFrame.h"
#include "commands/DlgSelect.h"
#include "model/CommandCatalogue.h"
#include "res/resource.h"
#include "shell/Pidl.h"

#include <gtest/gtest.h>

using namespace sv;
using namespace sv::test;

namespace
{
struct HelpRequest
{
    HWND owner;
    std::wstring fileAndTopic;
};

class Help : public MainFrameFixture
{
protected:
    // The requests since the last call.
    std::vector<HelpRequest> Asked() { return std::exchange(m_asked, {}); }

    std::vector<HelpRequest> m_asked;
    ScopedHelpResponder m_help{[this](HWND owner, const std::wstring& fileAndTopic)
                               {
                                   m_asked.push_back({owner, fileAndTopic});
                                   return owner;
                               }};
};
} // namespace

TEST_F(Help, EachPlaceAsksForTheHelpFileBesideTheProgramAtItsTopic)
{
    const std::wstring file = ExecutableFolder() + L"Solvanta.chm";
    EXPECT_TRUE(FileExists(file)) << "the build puts the help file beside the programs";

    // "&Hilfe" with no folder window open.
    Command(cmd::kHelp);
    auto asked = Asked();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].owner, m_frame.Hwnd());
    EXPECT_EQ(asked[0].fileAndTopic, file + L"::/About.html");

    // F1 in a folder view, through the frame's shortcut table (loaded as at start).
    m_frame.ApplyChangedSettings();
    ASSERT_NE(m_frame.Accelerators(), nullptr);
    m_frame.Windows().OpenFolder(PidlFromPath(m_files.Path()), AbsolutePidl(), OpenMode::NewWindow, true);
    PumpUntilIdle();
    CFolderFrame* pane = m_frame.ActivePane();
    ASSERT_NE(pane, nullptr);
    ASSERT_TRUE(PumpUntil([&] { return pane->ListView() != nullptr; }));
    MSG key{pane->ListView(), WM_KEYDOWN, VK_F1, 1};
    EXPECT_TRUE(m_frame.PreTranslateMessage(key));
    PumpUntilIdle();
    asked = Asked();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].fileAndTopic, file + L"::/About.html");

    // While the settings dialog is open, F1 names the settings topic; afterwards the overview again.
    m_frame.SetSettingsDialog(
        [](CMainFrame& frame, const SettingsRequest&)
        {
            ::SendMessageW(frame.Hwnd(), WM_COMMAND, MAKEWPARAM(cmd::kHelp, 0), 0);
            return SettingsOutcome{};
        });
    Command(cmd::kSettings);
    Command(cmd::kHelp);
    asked = Asked();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].fileAndTopic, file + L"::/Config.html");
    EXPECT_EQ(asked[1].fileAndTopic, file + L"::/About.html");

    // The "Hilfe" button of "Objekte auswählen".
    Command(cmd::kSelectSome);
    ASSERT_NE(m_frame.SelectDialog(), nullptr);
    const HWND dialog = m_frame.SelectDialog()->Hwnd();
    ::SendMessageW(::GetDlgItem(dialog, IDC_SELECT_HELP), BM_CLICK, 0, 0);
    PumpUntilIdle();
    asked = Asked();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].owner, m_frame.Hwnd());
    EXPECT_EQ(asked[0].fileAndTopic, file + L"::/Selection.html");
    ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    PumpUntilIdle();
}

TEST_F(Help, AHelpFileThatIsGoneIsNamedToTheUser)
{
    const std::wstring file = ExecutableFolder() + L"Solvanta.chm";
    const std::wstring aside = file + L".aside";
    ASSERT_TRUE(::MoveFileW(file.c_str(), aside.c_str()));
    struct PutBack
    {
        const std::wstring& from;
        const std::wstring& to;
        ~PutBack() { ::MoveFileW(from.c_str(), to.c_str()); }
    } putBack{aside, file};

    MessageRecorder messages;
    ScopedHelpResponder helpSystemFails([](HWND, const std::wstring&) { return static_cast<HWND>(nullptr); });
    Command(cmd::kHelp);
    ASSERT_EQ(messages.Requests().size(), 1u);
    EXPECT_EQ(messages.Requests()[0].text, L"Die Hilfedatei \"" + file + L"\" wurde nicht gefunden.");
    EXPECT_EQ(messages.Requests()[0].caption, L"Fehler");
}
