// A typed path before the shell parses it: environment variables between percent signs
// replaced, forward slashes made backslashes.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace sv
{

// The value of an environment variable, or nothing when it does not exist.
using EnvironmentLookup = std::function<std::optional<std::wstring>(std::wstring_view name)>;

// Pairs of percent signs are replaced from the start, again and again, until none is left or
// a variable does not exist (the rest then stays as typed); then "/" becomes "\".
std::wstring PreparePathEntry(std::wstring text, const EnvironmentLookup& lookup);

} // namespace sv
