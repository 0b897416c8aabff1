// Toolbar files ("ToolBarMain.cfg", "ToolBarFolder.cfg"): a reserved int, the button count
// and the button records in toolbar order. Older files hold the 20-byte records of 32-bit
// builds; the file does not say which, the settings flag toolbarRecordsWide does.
#pragma once

#include "framework/archive/DataFile.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sv
{

inline constexpr const wchar_t* kMainToolbarName = L"ToolBarMain";
inline constexpr const wchar_t* kFolderToolbarName = L"ToolBarFolder";

// Button state and style bits of the platform's toolbar.
inline constexpr uint8_t kButtonStateEnabled = 4;
inline constexpr uint8_t kButtonStateHidden = 8;
inline constexpr uint8_t kButtonStyleButton = 0;
inline constexpr uint8_t kButtonStyleSeparator = 1;
inline constexpr uint8_t kButtonStyleDropDown = 8;
inline constexpr uint8_t kButtonStyleAutoSize = 16;
inline constexpr uint8_t kButtonStyleWholeDropDown = 128;

// One toolbar button as the platform describes it in 64-bit builds (32 bytes).
struct ToolbarButton
{
    static constexpr size_t kWideSize = 32;
    static constexpr size_t kLegacySize = 20;

    int32_t image = 0;
    int32_t command = 0; // 0 for a separator
    uint8_t state = kButtonStateEnabled;
    uint8_t style = kButtonStyleButton;
    std::array<uint8_t, 6> reserved{}; // kept as found
    uint64_t data = 0;
    int64_t string = -1; // -1: no text

    bool IsSeparator() const { return (style & kButtonStyleSeparator) != 0; }
    bool IsHidden() const { return (state & kButtonStateHidden) != 0; }

    void Read(ArchiveReader& reader);
    // A 32-bit record widened: image, command, state and style as stored, no data, no text.
    void ReadLegacy(ArchiveReader& reader);
    void Write(ArchiveWriter& writer) const;

    friend bool operator==(const ToolbarButton&, const ToolbarButton&) = default;
};

// The file of a bar name: the name followed by ".cfg", in the data folder.
std::wstring ToolbarFileName(std::wstring_view barName);

// The file's content: reserved int, count, records. Throws ArchiveReadError on bad content.
std::vector<ToolbarButton> ReadToolbarButtons(ArchiveReader& reader, bool wideRecords);
void WriteToolbarButtons(ArchiveWriter& writer, std::span<const ToolbarButton> buttons);

// An empty result (also from a file with no buttons) means the caller keeps or takes its
// default layout. On any failure `buttons` is empty.
ReadStatus ReadToolbarFile(const std::filesystem::path& file, bool wideRecords,
                           std::vector<ToolbarButton>& buttons);
// Always the 32-byte records.
WriteStatus WriteToolbarFile(const std::filesystem::path& file, std::span<const ToolbarButton> buttons);

} // namespace sv
