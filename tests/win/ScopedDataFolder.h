// The program's data folder moved into a temporary folder of the test's own, for the
// lifetime of the object.
#pragma once

#include "WinTestSupport.h"
#include "app/DataFolder.h"

namespace sv::test
{

class ScopedDataFolder
{
public:
    ScopedDataFolder()
    {
        SetDataFolderOverride(m_folder.Path());
        CreateDataFolder();
    }
    ~ScopedDataFolder()
    {
        // Windows of the test may still write their files while they go.
        PumpUntilIdle();
        SetDataFolderOverride(std::nullopt);
    }
    ScopedDataFolder(const ScopedDataFolder&) = delete;
    ScopedDataFolder& operator=(const ScopedDataFolder&) = delete;

    // The folder that takes the place of the application data folder.
    const std::wstring& Path() const { return m_folder.Path(); }
    std::wstring File(const std::wstring& name) const { return m_folder.File(name); }

private:
    ScopedTempFolder m_folder;
};

} // namespace sv::test
