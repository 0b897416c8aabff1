#include "shell/Utils.h"
#include "ShellTestTree.h"
#include "model/Texts.h"
#include "shell/FolderFileIndex.h"
#include "shell/PathLevels.h"

#include <shlguid.h>
#include <shobjidl.h>
#include <winioctl.h>

#include <algorithm>
#include <cstdlib>
#include <cwctype>

using namespace sv;
using namespace sv::test;

namespace
{
class UtilsOnTree : public ShellTree
{
protected:
    CUtils m_utils;
};

std::wstring Upper(std::wstring text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return std::towupper(c); });
    return text;
}

bool CreateShortcut(const std::wstring& target, const std::wstring& linkPath)
{
    ComPtr<IShellLinkW> link;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                  link.PutVoid())))
        return false;
    link->SetPath(target.c_str());
    const auto file = link.As<IPersistFile>();
    return file && SUCCEEDED(file->Save(linkPath.c_str(), TRUE));
}
} // namespace

TEST(CUtilsSpecialFolders, HoldsDesktopComputerNetworkAndControlPanelParent)
{
    const CUtils utils;
    ASSERT_TRUE(utils.IsValid());
    ASSERT_TRUE(utils.Computer());
    ASSERT_TRUE(utils.Network());
    ASSERT_TRUE(utils.NetworkRoot());
    EXPECT_TRUE(utils.SameFolder(utils.Computer().Get(), SpecialFolderPidl(CSIDL_DRIVES).Get()));
    EXPECT_FALSE(utils.SameFolder(utils.Computer().Get(), utils.Network().Get()));
    // Where "computers near me" is missing the network folder is the root.
    const AbsolutePidl nearMe = SpecialFolderPidl(CSIDL_COMPUTERSNEARME);
    EXPECT_TRUE(utils.SameFolder(utils.NetworkRoot().Get(), nearMe ? nearMe.Get() : utils.Network().Get()));

    const AbsolutePidl controls = SpecialFolderPidl(CSIDL_CONTROLS);
    if (controls)
    {
        ASSERT_TRUE(utils.ControlPanelParent());
        // Its parent bounds the Control Panel's namespace, unless that parent is Computer
        // (as under Wine): then the Control Panel itself does, so drives stay outside.
        if (utils.SameFolder(utils.ControlPanelParent().Get(), controls.Get()))
            EXPECT_FALSE(IsParentPidl(utils.ControlPanelParent().Get(), utils.Computer().Get(), false));
        else
            EXPECT_TRUE(IsParentPidl(utils.ControlPanelParent().Get(), controls.Get(), true));
        EXPECT_FALSE(utils.SameFolder(utils.ControlPanelParent().Get(), utils.Computer().Get()));
    }
    // Each request gives a list of its own.
    const AbsolutePidl again = SpecialFolderPidl(CSIDL_DRIVES);
    EXPECT_NE(again.Get(), utils.Computer().Get());
    EXPECT_FALSE(SpecialFolderPidl(0x7FFF));
}

TEST_F(UtilsOnTree, BindsFoldersAndParents)
{
    const AbsolutePidl inner = PidlOf(Inner());
    const AbsolutePidl desktop = SpecialFolderPidl(CSIDL_DESKTOP);
    EXPECT_EQ(m_utils.BindToFolder(desktop.Get()).Get(), m_utils.Desktop());
    EXPECT_FALSE(m_utils.BindToFolder(nullptr));

    // The folder of Alpha knows Inner by the last id of Inner's list.
    const AbsolutePidl alpha = PidlOf(Alpha());
    const ComPtr<IShellFolder> alphaFolder = m_utils.BindToFolder(alpha.Get());
    ASSERT_TRUE(alphaFolder);
    EXPECT_EQ(CUtils::DisplayNameOf(alphaFolder.Get(), LastId(inner.Get()), SHGDN_INFOLDER), L"Inner");

    const ParentAndChild parent = m_utils.BindToParent(inner.Get());
    ASSERT_TRUE(parent);
    EXPECT_EQ(parent.child, LastId(inner.Get()));
    EXPECT_EQ(CUtils::DisplayNameOf(parent.folder.Get(), parent.child, SHGDN_INFOLDER), L"Inner");
    EXPECT_FALSE(m_utils.BindToParent(nullptr));

    const AbsolutePidl parsed = m_utils.ParseDisplayName(Inner());
    EXPECT_TRUE(m_utils.SameFolder(parsed.Get(), inner.Get()));
    EXPECT_FALSE(m_utils.ParseDisplayName(Root() + L"\\missing"));
    EXPECT_FALSE(m_utils.ParseDisplayName(L""));

    // Folder forms are checked by binding: Wine's parser takes any "::{GUID}".
    const AbsolutePidl computer = m_utils.ParseDisplayName(L"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}");
    EXPECT_TRUE(m_utils.SameFolder(computer.Get(), m_utils.Computer().Get()));
    EXPECT_FALSE(m_utils.ParseDisplayName(L"::{12345678-1234-1234-1234-123456789012}"));
}

TEST_F(UtilsOnTree, SameFolderAndTheEqualityAdapterAskTheShell)
{
    // A list keeps the size it saw, so the same file gives other bytes once it has grown.
    const AbsolutePidl before = PidlOf(DataFile());
    WriteFileBytes(DataFile(), 5000);
    const AbsolutePidl after = PidlOf(DataFile());
    ASSERT_NE(BytesOf(before.Get()), BytesOf(after.Get()));
    EXPECT_TRUE(m_utils.SameFolder(before.Get(), after.Get()));

    const AbsolutePidl inner = PidlOf(Inner());
    const AbsolutePidl upper = PidlOf(Upper(Inner()));
    const AbsolutePidl alpha = PidlOf(Alpha());
    EXPECT_TRUE(m_utils.SameFolder(inner.Get(), upper.Get())) << "names differ only in case";
    EXPECT_FALSE(m_utils.SameFolder(inner.Get(), alpha.Get()));
    EXPECT_FALSE(m_utils.SameFolder(alpha.Get(), inner.Get()));
    EXPECT_FALSE(m_utils.SameFolder(inner.Get(), nullptr));

    const IItemIdEquality& equality = m_utils.Equality();
    EXPECT_TRUE(equality.SameItem(ToItemIdList(before.Get()), ToItemIdList(after.Get())));
    EXPECT_TRUE(equality.SameItem(ToItemIdList(inner.Get()), ToItemIdList(inner.Get())));
    EXPECT_FALSE(equality.SameItem(ToItemIdList(inner.Get()), ToItemIdList(alpha.Get())));
    EXPECT_FALSE(equality.SameItem(ToItemIdList(before.Get()), ToItemIdList(alpha.Get())));
    EXPECT_FALSE(equality.SameItem(ToItemIdList(inner.Get()), ItemIdList()));
    EXPECT_FALSE(equality.SameItem(ItemIdList::Desktop(), ToItemIdList(alpha.Get())));
}

TEST_F(UtilsOnTree, AttributesAreTheBitsAsked)
{
    const AbsolutePidl alpha = PidlOf(Alpha());
    const AbsolutePidl data = PidlOf(DataFile());
    constexpr SFGAOF kAll = SFGAO_STORAGE | SFGAO_FOLDER | SFGAO_LINK | SFGAO_FILESYSTEM | SFGAO_STREAM;

    const SFGAOF folder = m_utils.Attributes(alpha.Get(), kAll);
    EXPECT_EQ(folder & (SFGAO_FOLDER | SFGAO_FILESYSTEM), SFGAO_FOLDER | SFGAO_FILESYSTEM);
    EXPECT_EQ(folder & (SFGAO_LINK | SFGAO_STREAM), 0u);
    EXPECT_EQ(folder & ~kAll, 0u);
    EXPECT_EQ(m_utils.Attributes(alpha.Get(), SFGAO_FOLDER), SFGAO_FOLDER);
    EXPECT_EQ(m_utils.Attributes(alpha.Get(), SFGAO_LINK), 0u);

    const SFGAOF file = m_utils.Attributes(data.Get(), kAll);
    EXPECT_EQ(file & (SFGAO_FILESYSTEM | SFGAO_STREAM), SFGAO_FILESYSTEM | SFGAO_STREAM);
    EXPECT_EQ(file & SFGAO_FOLDER, 0u);
    EXPECT_EQ(m_utils.Attributes(data.Get(), SFGAO_STREAM), SFGAO_STREAM);

    ASSERT_TRUE(CreateShortcut(DataFile(), Root() + L"\\data.lnk"));
    const AbsolutePidl link = PidlOf(Root() + L"\\data.lnk");
    EXPECT_EQ(m_utils.Attributes(link.Get(), SFGAO_LINK | SFGAO_FOLDER), SFGAO_LINK);
    EXPECT_EQ(m_utils.Attributes(nullptr, kAll), 0u);
}

TEST_F(UtilsOnTree, NamesAndPathsTellRealPathsFromDisplayNames)
{
    const AbsolutePidl alpha = PidlOf(Alpha());
    const AbsolutePidl data = PidlOf(DataFile());
    EXPECT_EQ(m_utils.DisplayName(alpha.Get()), L"Alpha");
    EXPECT_EQ(m_utils.DisplayName(data.Get(), SHGDN_INFOLDER | SHGDN_FORPARSING), L"data.bin");
    EXPECT_EQ(m_utils.DisplayName(nullptr), text::kUnknownName);
    EXPECT_EQ(CUtils::DisplayNameOf(nullptr, LastId(alpha.Get()), SHGDN_INFOLDER), text::kUnknownName);

    const ItemPath alphaPath = m_utils.Path(alpha.Get());
    EXPECT_TRUE(alphaPath.isFileSystemPath);
    EXPECT_EQ(Upper(alphaPath.text), Upper(Alpha()));
    const ItemPath dataPath = m_utils.Path(data.Get());
    EXPECT_TRUE(dataPath.isFileSystemPath);
    EXPECT_EQ(Upper(dataPath.text), Upper(DataFile()));

    // Level by level, the names along a list are the ones each cut list has on its own.
    CPathLevels levels(m_utils, data.Get());
    const UINT depth = PidlIdCount(data.Get());
    for (UINT level = 1; level <= depth; ++level)
    {
        const AbsolutePidl cut = CopyFirstIds(data.Get(), level);
        for (const SHGDNF flags : {SHGDNF(SHGDN_INFOLDER), SHGDNF(SHGDN_FORADDRESSBAR | SHGDN_FORPARSING)})
            EXPECT_EQ(levels.Name(level, flags), m_utils.DisplayName(cut.Get(), flags)) << level;
    }
    EXPECT_EQ(levels.Name(depth, SHGDN_INFOLDER | SHGDN_FORPARSING), L"data.bin");

    // Virtual folders have a name but no path, never a "::{GUID}" text.
    for (const AbsolutePidl* folder : {&m_utils.Computer(), &m_utils.Network()})
    {
        const ItemPath path = m_utils.Path(folder->Get());
        EXPECT_FALSE(path.isFileSystemPath);
        EXPECT_FALSE(path.text.empty());
        EXPECT_FALSE(path.text.starts_with(L"::"));
        EXPECT_NE(path.text, text::kUnknownName);
        EXPECT_NE(m_utils.DisplayName(folder->Get()), text::kUnknownName);
        EXPECT_NE(m_utils.DisplayName(folder->Get(), SHGDN_FORADDRESSBAR), text::kUnknownName);
    }
    const ItemPath none = m_utils.Path(nullptr);
    EXPECT_FALSE(none.isFileSystemPath);
    EXPECT_EQ(none.text, text::kUnknownName);

    const AbsolutePidl desktop = SpecialFolderPidl(CSIDL_DESKTOP);
    EXPECT_NE(m_utils.DisplayName(desktop.Get()), text::kUnknownName);
}

TEST_F(UtilsOnTree, IconIndexesComeFromTheSystemList)
{
    for (const std::wstring& path : {Root(), Alpha(), DataFile()})
        EXPECT_GE(m_utils.IconIndex(PidlOf(path).Get()), 0);
    EXPECT_GE(m_utils.IconIndex(m_utils.Computer().Get()), 0);
    EXPECT_EQ(m_utils.IconIndex(nullptr), -1);
}

TEST_F(UtilsOnTree, FileDataOfFilesFoldersAndDriveRoots)
{
    const auto data = m_utils.FileData(PidlOf(DataFile()).Get());
    ASSERT_TRUE(data);
    EXPECT_EQ(data->size, 1234u);
    EXPECT_EQ(data->attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
    WIN32_FILE_ATTRIBUTE_DATA expected{};
    ASSERT_TRUE(::GetFileAttributesExW(DataFile().c_str(), GetFileExInfoStandard, &expected));
    // The shell's lists keep file times in the two-second steps of DOS times.
    const auto ticks = [](const FILETIME& time)
    { return (static_cast<int64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime; };
    EXPECT_LE(std::abs(ticks(data->lastWriteTime) - ticks(expected.ftLastWriteTime)), 20'000'000);

    const auto empty = m_utils.FileData(PidlOf(Root() + L"\\empty.txt").Get());
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->size, 0u);

    const auto folder = m_utils.FileData(PidlOf(Alpha()).Get());
    ASSERT_TRUE(folder);
    EXPECT_NE(folder->attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);

    // The shell gives nothing for a drive root under Wine; the file system does.
    const auto drive = m_utils.FileData(PidlOf(L"C:\\").Get());
    ASSERT_TRUE(drive);
    EXPECT_NE(drive->attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);

    EXPECT_FALSE(m_utils.FileData(nullptr));
}

TEST_F(UtilsOnTree, FolderIndexFindsNamesWhateverTheirCase)
{
    WriteFileBytes(Root() + L"\\Stra\u00DFe.TXT", 7);
    WriteFileBytes(Root() + L"\\\u00C4PFEL.dat", 3);
    FolderFileIndex index;
    ASSERT_TRUE(index.Load(Root()));
    EXPECT_EQ(index.Count(), 5u); // Alpha, data.bin, empty.txt and the two above
    const ItemFileData* data = index.Find(L"DATA.Bin");
    ASSERT_TRUE(data);
    EXPECT_EQ(data->size, 1234u);
    const ItemFileData* alpha = index.Find(L"alpha");
    ASSERT_TRUE(alpha);
    EXPECT_NE(alpha->attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_EQ(alpha->size, 0u);
    // Names beyond ASCII fold as the system folds them.
    ASSERT_TRUE(index.Find(L"stra\u00DFe.txt"));
    EXPECT_EQ(index.Find(L"stra\u00DFe.txt")->size, 7u);
    ASSERT_TRUE(index.Find(L"\u00E4pfel.DAT"));
    EXPECT_EQ(index.Find(L"\u00E4pfel.DAT")->size, 3u);
    EXPECT_FALSE(index.Find(L"apfel.dat"));
    EXPECT_FALSE(index.Find(L"deep.txt")); // one level only

    EXPECT_FALSE(index.Load(Root() + L"\\missing"));
    EXPECT_TRUE(index.IsLoaded());
    EXPECT_EQ(index.Count(), 0u);
}

TEST_F(UtilsOnTree, FileDataOfFilesBeyondFourGigabytes)
{
    // Sparse files, so the test costs no disk space. A low part of 0xFFFFFFFF sends the
    // question to the file system; the high part must survive either way.
    for (const uint64_t size : {0xFFFFFFFFull, 0x140000000ull})
    {
        const std::wstring path = Root() + L"\\big" + std::to_wstring(size) + L".bin";
        const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD returned = 0;
        ::DeviceIoControl(file, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr);
        LARGE_INTEGER end;
        end.QuadPart = static_cast<LONGLONG>(size);
        const bool sized = ::SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && ::SetEndOfFile(file);
        ::CloseHandle(file);
        ASSERT_TRUE(sized);
        const auto data = m_utils.FileData(PidlOf(path).Get());
        ASSERT_TRUE(data);
        EXPECT_EQ(data->size, size);
    }
}
