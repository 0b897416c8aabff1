// Helpers for tests that drive real windows under Wine.
#pragma once

#include "framework/MessageLoop.h"
#include "framework/MessageSeam.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace sv::test
{

// Dispatches messages until none arrived for `quietMs`, at most for `maxMs`; while a
// ScopedPumpHooks lives, each message is offered to its pre-translation first and its idle
// pass runs when the queue is empty, as in the program's own message loop.
void PumpUntilIdle(DWORD quietMs = 50, DWORD maxMs = 5000);

class ScopedPumpHooks
{
public:
    explicit ScopedPumpHooks(MessageLoopHooks hooks);
    ~ScopedPumpHooks();
    ScopedPumpHooks(const ScopedPumpHooks&) = delete;
    ScopedPumpHooks& operator=(const ScopedPumpHooks&) = delete;

private:
    MessageLoopHooks m_saved;
};
// Pumps until `done` holds or `maxMs` passed; returns whether it holds.
template <typename Predicate> bool PumpUntil(Predicate done, DWORD maxMs = 5000)
{
    const ULONGLONG end = ::GetTickCount64() + maxMs;
    while (!done())
    {
        if (::GetTickCount64() > end) return false;
        PumpUntilIdle(10, 100);
    }
    return true;
}

// A folder of its own below the temporary folder, removed with everything in it.
class ScopedTempFolder
{
public:
    ScopedTempFolder();
    ~ScopedTempFolder();
    ScopedTempFolder(const ScopedTempFolder&) = delete;
    ScopedTempFolder& operator=(const ScopedTempFolder&) = delete;

    const std::wstring& Path() const { return m_path; }
    std::wstring File(const std::wstring& name) const { return m_path + L"\\" + name; }

private:
    std::wstring m_path;
};

// Answers every message box with `answer` and keeps what was asked.
class MessageRecorder
{
public:
    explicit MessageRecorder(int answer = IDOK);
    const std::vector<MessageRequest>& Requests() const { return m_requests; }
    bool Saw(const std::wstring& text) const;

private:
    std::vector<MessageRequest> m_requests;
    ScopedMessageResponder m_responder;
};

// Sets (or, with none, deletes) a DWORD under the Explorer "Advanced" key and puts the
// value found before back when it goes.
class ScopedExplorerValue
{
public:
    ScopedExplorerValue(const wchar_t* name, std::optional<DWORD> value);
    ~ScopedExplorerValue();
    ScopedExplorerValue(const ScopedExplorerValue&) = delete;
    ScopedExplorerValue& operator=(const ScopedExplorerValue&) = delete;

private:
    std::optional<DWORD> Read() const;
    void Write(std::optional<DWORD> value) const;

    const wchar_t* m_name;
    std::optional<DWORD> m_saved;
};

std::vector<uint8_t> ReadWholeFile(const std::wstring& path);
bool FileExists(const std::wstring& path);

} // namespace sv::test
