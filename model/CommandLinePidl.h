// The item-id list reference that the system puts on a file browser's command line, as in
// "/idlist,:1234:5678": the text after ",:" (or, without one, after the first comma) holds
// either two numbers joined by a colon (a shared-memory handle and the process that owns
// it) or one number (the address of a list in this process). Only the numbers are read here; the Win32 side
// fetches the list.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>

namespace sv
{

struct SharedPidlReference
{
    uint64_t handle = 0;
    uint32_t processId = 0;
    friend bool operator==(const SharedPidlReference&, const SharedPidlReference&) = default;
};

struct PidlAddressReference
{
    uint64_t address = 0;
    friend bool operator==(const PidlAddressReference&, const PidlAddressReference&) = default;
};

using CommandLinePidlReference = std::variant<SharedPidlReference, PidlAddressReference>;

// nullopt when the text has no comma, the numbers are missing, zero, too large or followed
// by anything but the end of the text, a comma or a blank.
std::optional<CommandLinePidlReference> ParseCommandLinePidl(std::wstring_view text);

} // namespace sv
