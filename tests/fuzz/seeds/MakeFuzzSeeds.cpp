// Writes the fuzz targets' starting inputs with the program's own writers, so every run starts
// from files the program really makes and mutates its way into the readers' depths instead of
// guessing headers from nothing. Usage: MakeFuzzSeeds <folder> [help file]; each target gets a
// folder of its own named after it.
//
// To seed a new record kind, add its sample to the list that feeds its target (the dock-layout
// record's samples are in DockLayouts(), used by the settings and the dock-layout targets).
#include "model/Arrangement.h"
#include "model/DockLayout.h"
#include "model/FavoritesFile.h"
#include "model/FilterFile.h"
#include "model/Params.h"
#include "model/SettingsFile.h"
#include "model/ShellQueries.h"
#include "model/ToolbarCatalogue.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using namespace sv;
namespace fs = std::filesystem;

namespace
{
// The bar ids the frame stores places for: the folder tree and the quick view.
constexpr uint32_t kTreeBar = 990;
constexpr uint32_t kQuickViewBar = 991;

ItemIdList Folder(uint8_t tag)
{
    return ItemIdList::FromItems({{0x1F, 0x50, tag}, {0x31, tag, 'O', 'r', 'd', 'n', 'e', 'r'}});
}

std::vector<DockLayout> DockLayouts()
{
    DockLayout docked;
    docked.bars.push_back({kTreeBar, DockSide::Left, 0, 0, true, false, 0, 0});
    docked.bars.push_back({kQuickViewBar, DockSide::Left, 0, 1, true, false, 0, 0});
    DockLayout rows;
    rows.bars.push_back({kTreeBar, DockSide::Right, 1, 0, true, false, 0, 0});
    rows.bars.push_back({kQuickViewBar, DockSide::Bottom, 0, 0, false, false, 0, 0});
    DockLayout floating;
    floating.bars.push_back({kTreeBar, DockSide::Top, 0, 0, true, true, -40, 300});
    floating.bars.push_back({kQuickViewBar, DockSide::Left, 2, 3, true, true, 1200, 20});
    return {DockLayout{}, docked, rows, floating};
}

CParams Settings(bool unusual)
{
    CParams params;
    params.Reset(SettingsDefaults{SettingsDefaults::StandardComputerFolder(), 1});
    if (!unusual) return params;
    params.toolbarRecordsWide = true;
    params.tabMaxLabelLength = 32;
    params.selectMaskHistory.entries = {L"*.txt", L"*.doc;*.docx"};
    params.includeMaskHistory.entries = {L"Bericht*"};
    params.excludeMaskHistory.entries = {L"~*", L"*.tmp"};
    params.externalCompareCommand = L"C:\\Programme\\Vergleich\\vgl.exe \"%1\" \"%2\"";
    params.externalSearchCommand = L"suche.exe \"%1\"";
    params.fileListSeparator = L", ";
    params.visitedFolders.Visit(Folder(1), -1, ByteEquality{});
    params.visitedFolders.Visit(Folder(2), -1, ByteEquality{});
    params.visitedFolders.CurrentSlot().viewState = {1, 2, 3, 4};
    params.treeBarSizes = {180, 90, 240, 600, 300, 400};
    params.dockLayout = EncodeDockLayout(DockLayouts()[3]);
    return params;
}

CSolObject Window(uint8_t tag, bool split)
{
    CSolObject record;
    record.name = L"Projekte – Übersicht " + std::to_wstring(tag);
    record.note = L"Notiz";
    record.colorHue = 40 * tag;
    record.tabPosition = tag;
    record.panes[0].folder = Folder(tag);
    record.panes[0].history.emplace();
    record.panes[0].history->Add(Folder(tag + 1), L"Eins");
    record.panes[0].history->Add(Folder(tag + 2), L"Zwei");
    record.panes[0].visited.emplace();
    record.panes[0].visited->Visit(Folder(tag), -1, ByteEquality{});
    record.panes[0].visited->CurrentSlot().viewState = {9, 8, 7};
    record.panes[0].viewState = {1, 2, 3};
    record.panes[0].filterIndex = 1;
    if (split)
    {
        record.splitMode = SplitMode::SideBySide;
        record.splitRatio = 0.3;
        record.activePane = 2;
        record.panes[1].folder = Folder(tag + 3);
        record.panes[1].viewMode = 6;
        record.panes[1].history.emplace();
        record.panes[1].history->Add(Folder(tag + 4), L"Vier");
    }
    return record;
}

std::vector<CSolObjects> Lists()
{
    CSolObjects one;
    one.records.push_back(Window(1, false));
    CSolObjects several;
    several.records.push_back(Window(2, true));
    several.records.push_back(Window(3, false));
    several.records.push_back(Window(4, true));
    several.records.back().showInBar = false;
    return {CSolObjects{}, one, several};
}

std::vector<CFilters> FilterLists()
{
    CFilter masks(DayBounds{});
    masks.name = L"Texte";
    masks.includeText = L"*.txt;*.md";
    masks.excludeText = L"~*";
    CFilter dates(DayBounds{});
    dates.name = L"Neu und groß";
    dates.sinceOn = true;
    dates.sinceRelative = 1;
    dates.sinceCount = 3;
    dates.sinceUnit = 2;
    dates.sizeFromOn = true;
    dates.sizeFromValue = 10;
    dates.sizeFromUnit = 2;
    dates.attrMask = 0x22;
    dates.attrValue = 0x20;
    dates.applyToFolders = true;
    dates.complement = true;
    CFilters one;
    one.filters.push_back(masks);
    CFilters two;
    two.filters = {masks, dates};
    for (CFilters* list : {&one, &two})
        for (CFilter& filter : list->filters)
            filter.Compile();
    return {CFilters{}, one, two};
}

std::vector<std::vector<ToolbarButton>> ToolbarLayouts()
{
    return {MainToolbarButtons(), DefaultFolderLayout(), {}};
}

std::vector<uint8_t> ReadAll(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const fs::path& file, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Targets that take a leading byte of their own (open tabs, record width) get the written
// file behind it.
void Prefix(const fs::path& file, uint8_t first)
{
    std::vector<uint8_t> bytes = ReadAll(file);
    bytes.insert(bytes.begin(), first);
    WriteAll(file, bytes);
}

bool Check(WriteStatus status, const fs::path& file)
{
    if (status == WriteStatus::Ok) return true;
    std::fprintf(stderr, "cannot write %s\n", file.string().c_str());
    return false;
}

// Little-endian numbers of the help file's header.
uint64_t U64At(const std::vector<uint8_t>& bytes, size_t at)
{
    uint64_t value = 0;
    for (size_t i = 0; i < 8 && at + i < bytes.size(); ++i)
        value |= uint64_t{bytes[at + i]} << (8 * i);
    return value;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        std::fprintf(stderr, "usage: MakeFuzzSeeds <folder> [help file]\n");
        return 2;
    }
    const fs::path root = argv[1];
    const auto folder = [&](const char* target)
    {
        fs::create_directories(root / target);
        return root / target;
    };
    bool ok = true;

    const fs::path settings = folder("FuzzSettingsReader");
    ok &= Check(WriteSettingsFile(settings / "default.cfg", Settings(false)), settings);
    ok &= Check(WriteSettingsFile(settings / "unusual.cfg", Settings(true)), settings);
    const fs::path dock = folder("FuzzDockLayoutReader");
    const std::vector<DockLayout> layouts = DockLayouts();
    for (size_t i = 0; i < layouts.size(); ++i)
    {
        const std::vector<uint8_t> bytes = EncodeDockLayout(layouts[i]);
        WriteAll(dock / ("layout" + std::to_string(i)), bytes);
        // The settings target gives its whole input to the dock-layout reader as well.
        WriteAll(settings / ("layout" + std::to_string(i)), bytes);
    }

    const fs::path favorites = folder("FuzzFavoritesReader");
    const fs::path arrangements = folder("FuzzArrangementReader");
    const std::vector<CSolObjects> lists = Lists();
    for (size_t i = 0; i < lists.size(); ++i)
    {
        const std::string name = "list" + std::to_string(i);
        ok &= Check(WriteFavoritesFile(favorites / (name + ".cfg"), lists[i]), favorites);
        const fs::path arrangement = arrangements / (name + ".sws");
        ok &= Check(WriteArrangementFile(arrangement, lists[i]), arrangement);
        Prefix(arrangement, static_cast<uint8_t>(i * 3)); // tabs open before the restore
    }

    const fs::path filters = folder("FuzzFilterReader");
    const std::vector<CFilters> filterLists = FilterLists();
    for (size_t i = 0; i < filterLists.size(); ++i)
        ok &= Check(WriteFiltersFile(filters / ("filters" + std::to_string(i) + ".cfg"), filterLists[i]),
                    filters);

    const fs::path toolbars = folder("FuzzToolbarReader");
    const std::vector<std::vector<ToolbarButton>> bars = ToolbarLayouts();
    for (size_t i = 0; i < bars.size(); ++i)
    {
        const fs::path file = toolbars / ("toolbar" + std::to_string(i) + ".cfg");
        ok &= Check(WriteToolbarFile(file, bars[i]), file);
        Prefix(file, 1); // the wide records the writer makes
    }

    if (argc > 2)
    {
        // The built help file, and its front up to the end of its directory: all the reader
        // looks at, so the fuzzer spends no time on the pages behind it.
        const fs::path help = folder("FuzzHelpDirectory");
        const std::vector<uint8_t> whole = ReadAll(argv[2]);
        if (whole.empty())
        {
            std::fprintf(stderr, "cannot read %s\n", argv[2]);
            return 1;
        }
        WriteAll(help / "Solvanta.chm", whole);
        const uint64_t directoryEnd = U64At(whole, 0x48) + U64At(whole, 0x50);
        if (directoryEnd < whole.size())
            WriteAll(help / "directory.chm",
                     std::vector<uint8_t>(whole.begin(), whole.begin() + directoryEnd));
    }
    return ok ? 0 : 1;
}
