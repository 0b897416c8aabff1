#include "model/CommandLinePidl.h"

#include <gtest/gtest.h>

using namespace sv;

namespace
{
std::optional<CommandLinePidlReference> Shared(uint64_t handle, uint32_t processId)
{
    return SharedPidlReference{handle, processId};
}
std::optional<CommandLinePidlReference> Address(uint64_t address)
{
    return PidlAddressReference{address};
}
} // namespace

TEST(CommandLinePidl, ReadsHandleAndProcessAfterTheMarker)
{
    EXPECT_EQ(ParseCommandLinePidl(L"/idlist,:1234:5678"), Shared(1234, 5678));
    EXPECT_EQ(ParseCommandLinePidl(L"/idlist,1234:5678"), Shared(1234, 5678));
    EXPECT_EQ(ParseCommandLinePidl(L"/e,/idlist,:1:2"), Shared(1, 2)); // ",:" wins over the first comma
    EXPECT_EQ(ParseCommandLinePidl(L"/e,/idlist,1:2"), std::nullopt);
    EXPECT_EQ(ParseCommandLinePidl(L"/idlist,:88:4294967295,C:\\x"), Shared(88, 4294967295u));
    EXPECT_EQ(ParseCommandLinePidl(L"/idlist,:88:99 \"C:\\x\""), Shared(88, 99));
}

TEST(CommandLinePidl, OneNumberIsAnAddress)
{
    EXPECT_EQ(ParseCommandLinePidl(L"/idlist,:140737488355328"), Address(140737488355328ull));
    EXPECT_EQ(ParseCommandLinePidl(L"x,18446744073709551615"), Address(18446744073709551615ull));
    EXPECT_EQ(ParseCommandLinePidl(L"x,:42,rest"), Address(42));
}

TEST(CommandLinePidl, RejectsMalformedNumbers)
{
    for (const wchar_t* text :
         {L"", L"/idlist", L"/idlist,", L"/idlist,:", L"/idlist,::5", L"/idlist,:12:", L"/idlist,:12:x",
          L"/idlist,:12x", L"/idlist,:-12", L"/idlist,:0", L"/idlist,:0:5", L"/idlist,:5:0",
          L"/idlist,:5:4294967296", L"/idlist,:18446744073709551616", L"/idlist,:1:2:3", L"/idlist, 12"})
    {
        EXPECT_EQ(ParseCommandLinePidl(text), std::nullopt) << std::wstring(text).size();
    }
}
