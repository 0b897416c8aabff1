// The one way to ask the user something modally: message boxes and common dialogs. Tests
// install responders that see every request and answer it, so no test blocks on a window.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace sv
{

struct MessageRequest
{
    HWND owner = nullptr;
    std::wstring text;
    std::wstring caption;
    UINT type = MB_OK; // MB_* buttons and icon
};

struct FileDialogRequest
{
    HWND owner = nullptr;
    bool save = false;
    std::wstring title;
    // Filter in the "Text (*.x)|*.x||" form.
    std::wstring filter;
    std::wstring defaultName;
    std::wstring defaultExtension;
    std::wstring initialFolder;
    DWORD flags = 0; // OFN_*
};

struct FolderDialogRequest
{
    HWND owner = nullptr;
    std::wstring title; // the text above the folder tree
    // Virtual folders (Computer, Control Panel) may be chosen too; they are answered with
    // their parsing name ("::{...}").
    bool anyFolder = false;
};

// The system's font dialog: screen fonts, with effects.
struct FontDialogRequest
{
    HWND owner = nullptr;
    LOGFONTW initial{};
};

class CDialog;

using MessageResponder = std::function<int(const MessageRequest&)>;
// Answers a modal dialog of the program instead of running it: the test may show it
// modeless, fill its controls and end it, and returns what DoModal would have.
using DialogResponder = std::function<INT_PTR(CDialog& dialog, HWND parent)>;
using FileDialogResponder = std::function<std::optional<std::wstring>(const FileDialogRequest&)>;
using FolderDialogResponder = std::function<std::optional<std::wstring>(const FolderDialogRequest&)>;
using FontDialogResponder = std::function<std::optional<LOGFONTW>(const FontDialogRequest&)>;

// Shows a message box; returns IDOK, IDYES, IDNO, ...
int ShowMessage(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type);
// "Fehler" with the stop icon.
void ShowError(HWND owner, const std::wstring& text);
// "Hinweis" with the information icon.
void ShowNote(HWND owner, const std::wstring& text);
// "Bestätigung" with Yes and No; true for Yes.
bool AskConfirmation(HWND owner, const std::wstring& text);

// The chosen file's full path, or nullopt when the user cancelled.
std::optional<std::wstring> ChooseFile(const FileDialogRequest& request);
// The chosen folder's file-system path, or nullopt when the user cancelled.
std::optional<std::wstring> ChooseFolder(const FolderDialogRequest& request);
// The chosen font, or nullopt when the user cancelled.
std::optional<LOGFONTW> ChooseScreenFont(const FontDialogRequest& request);

// The responder for the program's own modal dialogs, or nullptr.
const DialogResponder* CurrentDialogResponder();

// Installs responders for the scope's lifetime (tests).
class ScopedMessageResponder
{
public:
    explicit ScopedMessageResponder(MessageResponder responder);
    ~ScopedMessageResponder();
    ScopedMessageResponder(const ScopedMessageResponder&) = delete;
    ScopedMessageResponder& operator=(const ScopedMessageResponder&) = delete;

private:
    MessageResponder m_previous;
};

class ScopedFileDialogResponder
{
public:
    explicit ScopedFileDialogResponder(FileDialogResponder responder);
    ~ScopedFileDialogResponder();
    ScopedFileDialogResponder(const ScopedFileDialogResponder&) = delete;
    ScopedFileDialogResponder& operator=(const ScopedFileDialogResponder&) = delete;

private:
    FileDialogResponder m_previous;
};

class ScopedFolderDialogResponder
{
public:
    explicit ScopedFolderDialogResponder(FolderDialogResponder responder);
    ~ScopedFolderDialogResponder();
    ScopedFolderDialogResponder(const ScopedFolderDialogResponder&) = delete;
    ScopedFolderDialogResponder& operator=(const ScopedFolderDialogResponder&) = delete;

private:
    FolderDialogResponder m_previous;
};

class ScopedFontDialogResponder
{
public:
    explicit ScopedFontDialogResponder(FontDialogResponder responder);
    ~ScopedFontDialogResponder();
    ScopedFontDialogResponder(const ScopedFontDialogResponder&) = delete;
    ScopedFontDialogResponder& operator=(const ScopedFontDialogResponder&) = delete;

private:
    FontDialogResponder m_previous;
};

class ScopedDialogResponder
{
public:
    explicit ScopedDialogResponder(DialogResponder responder);
    ~ScopedDialogResponder();
    ScopedDialogResponder(const ScopedDialogResponder&) = delete;
    ScopedDialogResponder& operator=(const ScopedDialogResponder&) = delete;

private:
    DialogResponder m_previous;
};

} // namespace sv
