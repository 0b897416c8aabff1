// A small real folder tree for the shell tests:
//   <root>\Alpha\Inner\deep.txt (5 bytes), <root>\data.bin (1234 bytes), <root>\empty.txt
#pragma once

#include "shell/ItemIdListConversion.h"
#include "shell/Pidl.h"
#include "tests/win/WinTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace sv::test
{

inline void WriteFileBytes(const std::wstring& path, size_t size)
{
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    const std::string bytes(size, 'x');
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
    ASSERT_EQ(written, size);
}

class ShellTree : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(::CreateDirectoryW(Alpha().c_str(), nullptr));
        ASSERT_TRUE(::CreateDirectoryW(Inner().c_str(), nullptr));
        WriteFileBytes(Inner() + L"\\deep.txt", 5);
        WriteFileBytes(DataFile(), 1234);
        WriteFileBytes(m_folder.File(L"empty.txt"), 0);
    }

    std::wstring Root() const { return m_folder.Path(); }
    std::wstring Alpha() const { return m_folder.File(L"Alpha"); }
    std::wstring Inner() const { return Alpha() + L"\\Inner"; }
    std::wstring DataFile() const { return m_folder.File(L"data.bin"); }

    static AbsolutePidl PidlOf(const std::wstring& path)
    {
        AbsolutePidl pidl = PidlFromPath(path);
        EXPECT_TRUE(pidl) << "no list for a path of " << path.size() << " characters";
        return pidl;
    }
    static std::vector<uint8_t> BytesOf(const ITEMIDLIST* pidl)
    {
        const auto bytes = ToItemIdList(pidl).Bytes();
        return {bytes.begin(), bytes.end()};
    }

private:
    ScopedTempFolder m_folder;
};

} // namespace sv::test
