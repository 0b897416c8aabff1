// Entry point of every Windows test executable: COM and common controls as the program
// sets them up, and seams that fail the test instead of blocking on a box or opening the help
// viewer.
#include "app/HtmlHelp.h"
#include "framework/MessageSeam.h"
#include "framework/archive/TextCodec.h"

#include <commctrl.h>
#include <ole2.h>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ::OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES |
                                                        ICC_LINK_CLASS | ICC_COOL_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
    sv::ScopedMessageResponder unexpected(
        [](const sv::MessageRequest& request)
        {
            ADD_FAILURE() << "unexpected message box: " << sv::ToUtf8(request.text);
            return (request.type & MB_TYPEMASK) == MB_YESNO ? IDNO : IDCANCEL;
        });
    sv::ScopedFileDialogResponder noDialogs(
        [](const sv::FileDialogRequest& request)
        {
            ADD_FAILURE() << "unexpected file dialog: " << sv::ToUtf8(request.title);
            return std::optional<std::wstring>();
        });
    sv::ScopedFolderDialogResponder noFolderDialogs(
        [](const sv::FolderDialogRequest& request)
        {
            ADD_FAILURE() << "unexpected folder dialog: " << sv::ToUtf8(request.title);
            return std::optional<std::wstring>();
        });
    sv::ScopedFontDialogResponder noFontDialogs(
        [](const sv::FontDialogRequest&)
        {
            ADD_FAILURE() << "unexpected font dialog";
            return std::optional<LOGFONTW>();
        });
    sv::ScopedDialogResponder noDialogsOfOurOwn(
        [](sv::CDialog&, HWND)
        {
            ADD_FAILURE() << "unexpected modal dialog";
            return static_cast<INT_PTR>(IDCANCEL);
        });
    sv::ScopedHelpResponder noHelpViewer(
        [](HWND, const std::wstring& topic)
        {
            ADD_FAILURE() << "unexpected help request: " << sv::ToUtf8(topic);
            return static_cast<HWND>(nullptr);
        });
    const int result = RUN_ALL_TESTS();
    ::OleUninitialize();
    return result;
}
