#include "MessageSeam.h"

#include "model/Texts.h"

#include <commdlg.h>
#include <shlobj.h>

#include <utility>
#include <vector>

namespace sv
{

namespace
{
MessageResponder& CurrentMessageResponder()
{
    static MessageResponder responder;
    return responder;
}

FileDialogResponder& CurrentFileDialogResponder()
{
    static FileDialogResponder responder;
    return responder;
}

FolderDialogResponder& CurrentFolderDialogResponder()
{
    static FolderDialogResponder responder;
    return responder;
}

FontDialogResponder& CurrentFontDialogResponder()
{
    static FontDialogResponder responder;
    return responder;
}

DialogResponder& DialogResponderSlot()
{
    static DialogResponder responder;
    return responder;
}

// "A (*.a)|*.a||" becomes "A (*.a)\0*.a\0\0".
std::vector<wchar_t> FilterBuffer(const std::wstring& filter)
{
    std::vector<wchar_t> buffer(filter.begin(), filter.end());
    for (auto& c : buffer)
    {
        if (c == L'|') c = L'\0';
    }
    buffer.push_back(L'\0');
    buffer.push_back(L'\0');
    return buffer;
}
} // namespace

int ShowMessage(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type)
{
    if (const auto& responder = CurrentMessageResponder())
        return responder(MessageRequest{owner, text, caption, type});
    return ::MessageBoxW(owner, text.c_str(), caption.c_str(), type);
}

void ShowError(HWND owner, const std::wstring& text)
{
    ShowMessage(owner, text, text::kCaptionError, MB_OK | MB_ICONSTOP);
}

void ShowNote(HWND owner, const std::wstring& text)
{
    ShowMessage(owner, text, text::kCaptionNote, MB_OK | MB_ICONINFORMATION);
}

bool AskConfirmation(HWND owner, const std::wstring& text)
{
    return ShowMessage(owner, text, text::kCaptionConfirm, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

std::optional<std::wstring> ChooseFile(const FileDialogRequest& request)
{
    if (const auto& responder = CurrentFileDialogResponder()) return responder(request);

    std::vector<wchar_t> file(4096, L'\0');
    request.defaultName.copy(file.data(), file.size() - 1);
    std::vector<wchar_t> filter = FilterBuffer(request.filter);
    OPENFILENAMEW ofn{sizeof(ofn)};
    ofn.hwndOwner = request.owner;
    ofn.lpstrFilter = request.filter.empty() ? nullptr : filter.data();
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
    ofn.lpstrDefExt = request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
    ofn.lpstrInitialDir = request.initialFolder.empty() ? nullptr : request.initialFolder.c_str();
    ofn.Flags = request.flags | OFN_EXPLORER;
    const BOOL chosen = request.save ? ::GetSaveFileNameW(&ofn) : ::GetOpenFileNameW(&ofn);
    if (!chosen) return std::nullopt;
    return std::wstring(file.data());
}

std::optional<std::wstring> ChooseFolder(const FolderDialogRequest& request)
{
    if (const auto& responder = CurrentFolderDialogResponder()) return responder(request);

    BROWSEINFOW browse{};
    browse.hwndOwner = request.owner;
    browse.lpszTitle = request.title.empty() ? nullptr : request.title.c_str();
    browse.ulFlags = (request.anyFolder ? 0 : BIF_RETURNONLYFSDIRS) | BIF_NEWDIALOGSTYLE;
    ITEMIDLIST* chosen = ::SHBrowseForFolderW(&browse);
    if (!chosen) return std::nullopt;
    std::optional<std::wstring> answer;
    wchar_t path[MAX_PATH] = {};
    if (::SHGetPathFromIDListW(chosen, path) && path[0])
    {
        answer = std::wstring(path);
    }
    else if (request.anyFolder)
    {
        wchar_t* name = nullptr;
        if (SUCCEEDED(::SHGetNameFromIDList(chosen, SIGDN_DESKTOPABSOLUTEPARSING, &name)) && name)
        {
            answer = std::wstring(name);
            ::CoTaskMemFree(name);
        }
    }
    ::CoTaskMemFree(chosen);
    return answer;
}

std::optional<LOGFONTW> ChooseScreenFont(const FontDialogRequest& request)
{
    if (const auto& responder = CurrentFontDialogResponder()) return responder(request);

    LOGFONTW font = request.initial;
    CHOOSEFONTW choose{sizeof(choose)};
    choose.hwndOwner = request.owner;
    choose.lpLogFont = &font;
    choose.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    if (!::ChooseFontW(&choose)) return std::nullopt;
    return font;
}

const DialogResponder* CurrentDialogResponder()
{
    const DialogResponder& responder = DialogResponderSlot();
    return responder ? &responder : nullptr;
}

ScopedMessageResponder::ScopedMessageResponder(MessageResponder responder)
    : m_previous(std::exchange(CurrentMessageResponder(), std::move(responder)))
{
}

ScopedMessageResponder::~ScopedMessageResponder()
{
    CurrentMessageResponder() = std::move(m_previous);
}

ScopedFileDialogResponder::ScopedFileDialogResponder(FileDialogResponder responder)
    : m_previous(std::exchange(CurrentFileDialogResponder(), std::move(responder)))
{
}

ScopedFileDialogResponder::~ScopedFileDialogResponder()
{
    CurrentFileDialogResponder() = std::move(m_previous);
}

ScopedFolderDialogResponder::ScopedFolderDialogResponder(FolderDialogResponder responder)
    : m_previous(std::exchange(CurrentFolderDialogResponder(), std::move(responder)))
{
}

ScopedFolderDialogResponder::~ScopedFolderDialogResponder()
{
    CurrentFolderDialogResponder() = std::move(m_previous);
}

ScopedFontDialogResponder::ScopedFontDialogResponder(FontDialogResponder responder)
    : m_previous(std::exchange(CurrentFontDialogResponder(), std::move(responder)))
{
}

ScopedFontDialogResponder::~ScopedFontDialogResponder()
{
    CurrentFontDialogResponder() = std::move(m_previous);
}

ScopedDialogResponder::ScopedDialogResponder(DialogResponder responder)
    : m_previous(std::exchange(DialogResponderSlot(), std::move(responder)))
{
}

ScopedDialogResponder::~ScopedDialogResponder()
{
    DialogResponderSlot() = std::move(m_previous);
}

} // namespace sv
