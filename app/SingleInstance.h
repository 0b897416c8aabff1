// One instance per desktop: a named mutex as the marker, a shared-memory block "Solvanta"
// and a registered message to hand a second start's command line to the first instance.
#pragma once

#include "framework/Handles.h"

#include <string>

namespace sv
{

class SingleInstance
{
public:
    SingleInstance();

    const std::wstring& Name() const { return m_name; }
    // The registered hand-off message (same name as the marker).
    UINT HandOffMessage() const { return m_handOffMessage; }

    enum class Marker
    {
        Acquired,
        HeldElsewhere, // another instance on this desktop holds it
        Failed,        // no marker for another reason: start normally
    };
    Marker AcquireMarker();
    bool HoldsMarker() const { return static_cast<bool>(m_marker); }
    // So that later starts do not see a marker (the user allows several instances).
    void ReleaseMarker() { m_marker.Reset(); }

    // Gives the running instance `commandLine`; true when the broadcast went through, in
    // which case this start ends.
    bool HandOver(const std::wstring& commandLine) const;

    // The receiving side: reads the block and posts its text to `frame` as `openMessage`.
    static void ReceiveHandOff(HWND frame, UINT openMessage);

private:
    std::wstring m_name;
    UINT m_handOffMessage = 0;
    UniqueHandle m_marker;
};

inline constexpr const wchar_t* kHandOffBlockName = L"Solvanta";

} // namespace sv
