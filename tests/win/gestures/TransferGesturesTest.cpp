// The program's own file-by-file copies and moves under the user's hand: a long one shows its
// progress in a German window while the frame stays usable, and a click on "Abbrechen" stops
// it with every file either carried whole or left where it was.
#include "../MainFrameFixture.h"
#include "../RealInput.h"
#include "commands/FileTransfer.h"
#include "framework/Handles.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <set>

using namespace sv;
using namespace sv::test;

namespace
{
constexpr int kFiles = 3000;
constexpr DWORD kFileSize = 8192;

std::wstring Name(int index)
{
    return L"datei" + std::to_wstring(index) + L".bin";
}

// Each file's bytes name it, so a file carried half or mixed up is told apart.
std::vector<uint8_t> Content(int index)
{
    std::vector<uint8_t> bytes(kFileSize);
    for (DWORD i = 0; i < kFileSize; ++i)
        bytes[i] = static_cast<uint8_t>((index * 31 + i) % 251);
    return bytes;
}

std::set<std::wstring> NamesIn(const std::wstring& folder)
{
    std::set<std::wstring> names;
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do
    {
        if (std::wstring(found.cFileName) != L"." && std::wstring(found.cFileName) != L"..")
            names.insert(found.cFileName);
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return names;
}

HWND ProgressWindow(bool move)
{
    return ::FindWindowW(L"#32770", move ? L"Dateien werden verschoben" : L"Dateien werden kopiert");
}

class TransferGestures : public MainFrameFixture
{
protected:
    void SetUp() override
    {
        MakeFolder(L"Quelle");
        MakeFolder(L"Ziel");
        for (int i = 0; i < kFiles; ++i)
        {
            const UniqueFile file(::CreateFileW(FilePath(L"Quelle\\" + Name(i)).c_str(), GENERIC_WRITE, 0,
                                                nullptr, CREATE_NEW, 0, nullptr));
            ASSERT_TRUE(file);
            const std::vector<uint8_t> bytes = Content(i);
            DWORD written = 0;
            ASSERT_TRUE(::WriteFile(file.Get(), bytes.data(), kFileSize, &written, nullptr));
        }
        MainFrameFixture::SetUp();
    }

    // Starts the transfer of every source file into "Ziel", waits for its progress window and
    // clicks "Abbrechen" there; the text the window showed before the click.
    std::wstring CancelTransfer(bool move)
    {
        sv::FileOperation operation;
        operation.kind = move ? FO_MOVE : FO_COPY;
        for (int i = 0; i < kFiles; ++i)
            operation.sources.push_back(FilePath(L"Quelle\\" + Name(i)));
        operation.target = FilePath(L"Ziel");
        m_frame.FileOperations().Start(std::move(operation));

        std::wstring shown;
        bool frameEnabled = false;
        InputScript script;
        script
            .WaitUntil(
                [&]
                {
                    const HWND window = ProgressWindow(move);
                    if (!window || !::IsWindowVisible(window)) return false;
                    wchar_t text[200] = {};
                    ::GetDlgItemTextW(window, IDC_TRANSFER_AMOUNT, text, 200);
                    shown = text;
                    frameEnabled = ::IsWindowEnabled(m_frame.Hwnd()) != FALSE;
                    return !shown.empty();
                },
                "the progress window", 15000)
            .ClickFound(
                [move]() -> std::optional<Spot>
                {
                    const HWND window = ProgressWindow(move);
                    if (!window) return std::nullopt;
                    return At(::GetDlgItem(window, IDCANCEL));
                },
                "Abbrechen");
        EXPECT_TRUE(script.Run(30000));
        EXPECT_TRUE(PumpUntil([&] { return !m_frame.FileOperations().Busy(); }, 30000));
        PumpUntilIdle();
        EXPECT_TRUE(frameEnabled) << "the frame stays usable during the transfer";
        EXPECT_EQ(ProgressWindow(move), nullptr) << "the window goes with the transfer";
        return shown;
    }

    // Every file in the target is a whole copy of its source.
    void ExpectWholeFilesIn(const std::set<std::wstring>& names)
    {
        for (int i = 0; i < kFiles; ++i)
        {
            if (!names.count(Name(i))) continue;
            EXPECT_EQ(ReadWholeFile(FilePath(L"Ziel\\" + Name(i))), Content(i)) << Name(i);
        }
    }
};
} // namespace

TEST_F(TransferGestures, AbbrechenStopsACopyAndLeavesOnlyWholeFiles)
{
    MessageRecorder messages;
    const std::wstring shown = CancelTransfer(false);
    EXPECT_NE(shown.find(L" von 3.000 Dateien, "), std::wstring::npos) << "shown: " << shown;

    const std::set<std::wstring> copied = NamesIn(FilePath(L"Ziel"));
    EXPECT_GT(copied.size(), 0u);
    EXPECT_LT(copied.size(), static_cast<size_t>(kFiles)) << "the copy stopped";
    for (const std::wstring& name : copied)
        EXPECT_EQ(name.find(L".~teilkopie"), std::wstring::npos) << "a partial copy stayed: " << name;
    ExpectWholeFilesIn(copied);
    EXPECT_EQ(NamesIn(FilePath(L"Quelle")).size(), static_cast<size_t>(kFiles));
    EXPECT_TRUE(messages.Requests().empty()) << "a cancel is no failure";
}

TEST_F(TransferGestures, AbbrechenStopsAMoveAndKeepsTheSourcesNotMoved)
{
    MessageRecorder messages;
    CancelTransfer(true);

    const std::set<std::wstring> moved = NamesIn(FilePath(L"Ziel"));
    const std::set<std::wstring> kept = NamesIn(FilePath(L"Quelle"));
    EXPECT_GT(kept.size(), 0u) << "the move stopped";
    EXPECT_EQ(moved.size() + kept.size(), static_cast<size_t>(kFiles)) << "every file is in one place";
    for (const std::wstring& name : moved)
        EXPECT_FALSE(kept.count(name)) << name;
    for (int i = 0; i < kFiles; ++i)
    {
        if (!kept.count(Name(i))) continue;
        EXPECT_EQ(ReadWholeFile(FilePath(L"Quelle\\" + Name(i))), Content(i)) << Name(i);
    }
    ExpectWholeFilesIn(moved);
    EXPECT_TRUE(messages.Requests().empty());
}
