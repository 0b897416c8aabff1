#include "framework/Signal.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using namespace sv;

TEST(Signal, SlotsHearEmissionsUntilTheirConnectionGoes)
{
    Signal<int, const std::string&> changed;
    std::vector<std::string> heard;
    {
        const ScopedConnection first = changed.Connect([&](int n, const std::string& s) { heard.push_back("a" + std::to_string(n) + s); });
        ScopedConnection second = changed.Connect([&](int n, const std::string&) { heard.push_back("b" + std::to_string(n)); });
        changed.Emit(1, "x");
        second.Disconnect();
        EXPECT_FALSE(second.Connected());
        changed.Emit(2, "y");
        // A moved connection still disconnects once, when its new owner goes.
        ScopedConnection moved = changed.Connect([&](int, const std::string&) { heard.push_back("c"); });
        ScopedConnection target = std::move(moved);
        EXPECT_FALSE(moved.Connected());
        changed.Emit(3, "z");
    }
    changed.Emit(4, "gone");
    EXPECT_EQ(heard, (std::vector<std::string>{"a1x", "b1", "a2y", "a3z", "c"}));
    EXPECT_EQ(changed.SlotCount(), 0u);
}

TEST(Signal, SlotsMayDisconnectAndConnectWhileItEmits)
{
    Signal<> happened;
    std::vector<int> calls;
    std::optional<ScopedConnection> second;
    std::optional<ScopedConnection> late;
    // The first slot drops the second before its turn and connects a third, which waits for
    // the next emission.
    const ScopedConnection first = happened.Connect(
        [&]
        {
            calls.push_back(1);
            second.reset();
            if (!late) late = happened.Connect([&] { calls.push_back(3); });
        });
    second = happened.Connect([&] { calls.push_back(2); });
    happened.Emit();
    happened.Emit();
    EXPECT_EQ(calls, (std::vector<int>{1, 1, 3}));

    // A slot that ends its own connection, and a connection that outlives its signal.
    ScopedConnection self;
    self = happened.Connect([&] { self.Disconnect(); calls.push_back(4); });
    happened.Emit();
    happened.Emit();
    EXPECT_EQ(calls, (std::vector<int>{1, 1, 3, 1, 3, 4, 1, 3}));
    ScopedConnection outliving;
    {
        Signal<> shortLived;
        outliving = shortLived.Connect([] {});
    }
    outliving.Disconnect(); // nothing left to disconnect from
}
