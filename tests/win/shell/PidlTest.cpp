#include "ShellTestTree.h"
#include "shell/Utils.h"

#include <cstring>

using namespace sv;
using namespace sv::test;

using PidlBasics = ShellTree;

TEST(PidlOwner, CloneIsAnEqualSeparateListAndMoveHandsOver)
{
    AbsolutePidl computer = SpecialFolderPidl(CSIDL_DRIVES);
    ASSERT_TRUE(computer);
    EXPECT_FALSE(computer.IsEmpty());
    AbsolutePidl copy = computer.Clone();
    ASSERT_TRUE(copy);
    EXPECT_NE(copy.Get(), computer.Get());
    EXPECT_EQ(copy.Size(), computer.Size());
    EXPECT_EQ(copy.Size(), ::ILGetSize(computer.Get()));
    EXPECT_TRUE(PidlsEqual(copy.Get(), computer.Get()));

    ITEMIDLIST* const raw = copy.Get();
    AbsolutePidl moved = std::move(copy);
    EXPECT_FALSE(copy);
    EXPECT_EQ(moved.Get(), raw);
    copy = std::move(moved);
    EXPECT_EQ(copy.Get(), raw);
    EXPECT_FALSE(moved);
    EXPECT_FALSE(moved.Clone());
    EXPECT_EQ(moved.Size(), 0u);
}

TEST(PidlOwner, DesktopIsTheEmptyList)
{
    AbsolutePidl desktop = SpecialFolderPidl(CSIDL_DESKTOP);
    ASSERT_TRUE(desktop);
    EXPECT_TRUE(desktop.IsEmpty());
    EXPECT_EQ(desktop.Size(), 2u);
    EXPECT_FALSE(RemoveLastId(desktop)) << "the desktop has no id to remove";
    EXPECT_TRUE(desktop.IsEmpty());
    EXPECT_FALSE(CloneFirstId(desktop.Get()));
    EXPECT_EQ(LastId(desktop.Get()), nullptr);
    AbsolutePidl none;
    EXPECT_FALSE(RemoveLastId(none));
}

TEST(PidlOwner, ConversionToAndFromPortableListsIsByteExact)
{
    const AbsolutePidl computer = SpecialFolderPidl(CSIDL_DRIVES);
    const ItemIdList list = ToItemIdList(computer.Get());
    ASSERT_FALSE(list.IsNull());
    EXPECT_EQ(list.Size(), computer.Size());
    const AbsolutePidl back = ToShellAllocated(list);
    ASSERT_TRUE(back);
    EXPECT_EQ(ToItemIdList(back.Get()), list);
    EXPECT_FALSE(ToShellAllocated(ItemIdList()));
    EXPECT_TRUE(ToItemIdList(nullptr).IsNull());
    EXPECT_EQ(SpecialFolderList(CSIDL_DRIVES), list);
}

TEST_F(PidlBasics, CombineRemoveAndCloneFirstAgreeWithPaths)
{
    const AbsolutePidl root = PidlOf(Root());
    const AbsolutePidl alpha = PidlOf(Alpha());
    const AbsolutePidl inner = PidlOf(Inner());
    ASSERT_TRUE(root && alpha && inner);

    // The last id of Inner, put under Alpha, is Inner again.
    const ITEMIDLIST* innerLast = LastId(inner.Get());
    ASSERT_NE(innerLast, nullptr);
    const AbsolutePidl combined = CombinePidls(alpha.Get(), innerLast);
    EXPECT_TRUE(PidlsEqual(combined.Get(), inner.Get()));
    EXPECT_EQ(combined.Size(), inner.Size());
    EXPECT_FALSE(CombinePidls(nullptr, innerLast));

    AbsolutePidl walk = inner.Clone();
    EXPECT_TRUE(RemoveLastId(walk));
    EXPECT_TRUE(PidlsEqual(walk.Get(), alpha.Get()));
    EXPECT_TRUE(RemoveLastId(walk));
    EXPECT_TRUE(PidlsEqual(walk.Get(), root.Get()));

    const ChildPidl first = CloneFirstId(inner.Get());
    ASSERT_TRUE(first);
    EXPECT_EQ(first.Size(), static_cast<UINT>(inner.Get()->mkid.cb + 2));
    EXPECT_EQ(std::memcmp(first.Get(), inner.Get(), inner.Get()->mkid.cb), 0);
    EXPECT_EQ(PidlSize(inner.Get()), inner.Size());
    EXPECT_EQ(PidlSize(nullptr), 0u);
}

TEST_F(PidlBasics, ParentsImmediateOrNotAndTheChildTail)
{
    const AbsolutePidl root = PidlOf(Root());
    const AbsolutePidl alpha = PidlOf(Alpha());
    const AbsolutePidl inner = PidlOf(Inner());
    const AbsolutePidl data = PidlOf(DataFile());
    ASSERT_TRUE(root && alpha && inner && data);

    EXPECT_TRUE(IsParentPidl(root.Get(), inner.Get(), false));
    EXPECT_FALSE(IsParentPidl(root.Get(), inner.Get(), true));
    EXPECT_TRUE(IsParentPidl(alpha.Get(), inner.Get(), true));
    EXPECT_TRUE(IsParentPidl(root.Get(), data.Get(), true));
    EXPECT_FALSE(IsParentPidl(inner.Get(), alpha.Get(), false));
    EXPECT_FALSE(IsParentPidl(alpha.Get(), data.Get(), false));
    EXPECT_FALSE(IsParentPidl(nullptr, data.Get(), false));

    // The tail of Inner below the root is "Alpha\Inner"; put back under the root it is Inner.
    const ITEMIDLIST* tail = FindChildPidl(root.Get(), inner.Get());
    ASSERT_NE(tail, nullptr);
    EXPECT_EQ(PidlSize(tail), inner.Size() - root.Size() + 2);
    EXPECT_TRUE(PidlsEqual(CombinePidls(root.Get(), tail).Get(), inner.Get()));
    EXPECT_EQ(FindChildPidl(alpha.Get(), data.Get()), nullptr);
    EXPECT_EQ(FindChildPidl(inner.Get(), alpha.Get()), nullptr);
}

TEST_F(PidlBasics, PathsAreMadeCanonicalBeforeParsing)
{
    const AbsolutePidl inner = PidlOf(Inner());
    ASSERT_TRUE(inner);
    std::wstring forward = Inner();
    for (auto& c : forward)
    {
        if (c == L'\\') c = L'/';
    }
    const AbsolutePidl fromForward = PidlFromPath(forward);
    EXPECT_TRUE(PidlsEqual(fromForward.Get(), inner.Get()));
    const AbsolutePidl fromDots = PidlFromPath(Alpha() + L"\\..\\Alpha\\.\\Inner");
    EXPECT_TRUE(PidlsEqual(fromDots.Get(), inner.Get()));

    // A relative path is taken against the current directory.
    wchar_t previous[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, previous);
    ASSERT_TRUE(::SetCurrentDirectoryW(Alpha().c_str()));
    const AbsolutePidl relative = PidlFromPath(L"Inner");
    ::SetCurrentDirectoryW(previous);
    EXPECT_TRUE(PidlsEqual(relative.Get(), inner.Get()));

    EXPECT_FALSE(PidlFromPath(Root() + L"\\missing"));
    EXPECT_FALSE(PidlFromPath(L""));
}
