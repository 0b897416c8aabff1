#include "OwnedText.h"

#include "model/StartCommandLine.h"

namespace sv
{

std::unique_ptr<wchar_t[]> MakeHandOffBuffer(std::wstring_view text)
{
    auto buffer = std::make_unique<wchar_t[]>(kHandOffTextLimit + 1);
    const size_t length = text.size() < kHandOffTextLimit ? text.size() : kHandOffTextLimit;
    text.copy(buffer.get(), length);
    buffer[length] = L'\0';
    return buffer;
}

std::unique_ptr<wchar_t[]> MakeOwnedText(std::wstring_view text)
{
    auto buffer = std::make_unique<wchar_t[]>(text.size() + 1);
    text.copy(buffer.get(), text.size());
    buffer[text.size()] = L'\0';
    return buffer;
}

bool PostOwnedText(HWND target, UINT message, std::unique_ptr<wchar_t[]> text)
{
    if (!::PostMessageW(target, message, reinterpret_cast<WPARAM>(text.get()), 0)) return false;
    text.release(); // the receiver owns it now
    return true;
}

std::wstring TakeOwnedText(WPARAM wParam)
{
    std::unique_ptr<wchar_t[]> owned(reinterpret_cast<wchar_t*>(wParam));
    return owned ? std::wstring(owned.get()) : std::wstring();
}

} // namespace sv
