// CSolObject: one favorite, and equally the snapshot of one tab window with its one or two
// panes; CSolObjects: the list of them that the favorites file and every arrangement file hold.
#pragma once

#include "History.h"
#include "PaneIndex.h"
#include "SplitMode.h"
#include "Visited.h"
#include "framework/archive/Archive.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace sv
{

// The window placement record of a tab window inside the main frame, as its 44 bytes.
using StoredPlacement = std::array<uint8_t, 44>;

// Byte offset of the show command inside a stored placement (after length and flags).
inline constexpr size_t kPlacementShowCommandOffset = 8;

int32_t PlacementShowCommand(const StoredPlacement& placement);
void SetPlacementShowCommand(StoredPlacement& placement, int32_t showCommand);

// What the record keeps of one pane.
struct PaneRecord
{
    ItemIdList folder;
    StoredFolderSettings folderSettings{4, 4};
    int32_t viewMode = 4;
    std::optional<CHistory> history;
    std::optional<CVisited> visited;
    int32_t filterIndex = -1;
    StreamBytes viewState;

    friend bool operator==(const PaneRecord&, const PaneRecord&) = default;
};

// Every field of the record; CSolObject adds the copy rule on top. The file stores the two
// panes' fields interleaved, field by field (see Read and Write).
struct SolObjectFields
{
    std::array<PaneRecord, 2> panes;
    SplitMode splitMode = SplitMode::Single;
    int32_t visiblePanes = 0; // 0 both, 1 only the first, 2 only the second
    double splitRatio = 0.5;
    int32_t activePane = 1; // PaneNumber of the active pane
    int32_t tabPosition = -1;
    StoredPlacement placement{};
    std::wstring name;
    bool showInBar = true;
    int32_t optionA = 0;
    int32_t optionB = 1;
    std::wstring note;
    int32_t colorHue = 0; // 0..255, the hue fraction is colorHue / 256
    bool activate = true; // never stored

    PaneRecord& Pane(PaneIndex index) { return panes[Slot(index)]; }
    const PaneRecord& Pane(PaneIndex index) const { return panes[Slot(index)]; }

    friend bool operator==(const SolObjectFields&, const SolObjectFields&) = default;
};

class CSolObject : public SolObjectFields
{
public:
    CSolObject() = default;
    // A copy is a new window, so it has no place among the tabs yet.
    CSolObject(const CSolObject& other);
    CSolObject& operator=(const CSolObject& other);
    // Moves keep the place: containers move records around without making new windows.
    CSolObject(CSolObject&&) noexcept = default;
    CSolObject& operator=(CSolObject&&) noexcept = default;

    // The layout of the collection's version: up to 4 the full record, 1000 and up the
    // plain favorite of older programs. Versions in between are refused by the collection.
    void Read(ArchiveReader& reader, int32_t version);
    // Always the layout of the current version.
    void Write(ArchiveWriter& writer) const;
};

class CSolObjects
{
public:
    static constexpr int32_t kVersion = 4;
    static constexpr int32_t kMarker = 0xFFFF;
    // From here on a version means the plain favorites of older programs.
    static constexpr int32_t kFirstPlainVersion = 1000;

    std::vector<CSolObject> records;

    CSolObjects() = default;
    // A copy of the list is the same arrangement, so unlike a copied record it keeps the
    // tab positions.
    CSolObjects(const CSolObjects& other);
    CSolObjects& operator=(const CSolObjects& other);
    CSolObjects(CSolObjects&&) noexcept = default;
    CSolObjects& operator=(CSolObjects&&) noexcept = default;

    // Replaces the records; on an error the list is left empty.
    void Read(ArchiveReader& reader);
    void Write(ArchiveWriter& writer) const;

    friend bool operator==(const CSolObjects&, const CSolObjects&) = default;
};

} // namespace sv
