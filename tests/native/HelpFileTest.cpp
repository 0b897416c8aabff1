// The help file's directory: hand-made bytes, the file the build compiles (every topic the
// program opens and every page of the project is in it), and damaged copies of it; and the
// keyboard page naming every shortcut of the program.
#include "model/ChmDirectory.h"
#include "model/CommandCatalogue.h"
#include "model/HelpTopics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

using namespace sv;

namespace
{
void PutU32(std::vector<uint8_t>& bytes, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}
void PutU64(std::vector<uint8_t>& bytes, uint64_t value)
{
    PutU32(bytes, static_cast<uint32_t>(value));
    PutU32(bytes, static_cast<uint32_t>(value >> 32));
}
void PutText(std::vector<uint8_t>& bytes, const char* text)
{
    bytes.insert(bytes.end(), text, text + std::strlen(text));
}

constexpr uint32_t kChunkSize = 0x200;

// A version 3 container with one listing chunk of 512 bytes holding `entries` (already encoded),
// laid out as the compiler lays out its files.
std::vector<uint8_t> Container(const std::vector<uint8_t>& entries, uint32_t chunkCount = 1)
{
    std::vector<uint8_t> file;
    PutText(file, "ITSF");
    PutU32(file, 3);
    PutU32(file, 0x60);
    PutU32(file, 1);
    PutU32(file, 0);      // time stamp
    PutU32(file, 0x407);  // German
    file.resize(0x38, 0); // two class ids
    PutU64(file, 0x60);   // header section 0: file size record
    PutU64(file, 0x18);
    PutU64(file, 0x78); // header section 1: the directory
    PutU64(file, 0x54 + uint64_t{kChunkSize} * chunkCount);
    PutU64(file, 0x78 + 0x54 + uint64_t{kChunkSize} * chunkCount); // content
    file.resize(0x78, 0);

    PutText(file, "ITSP");
    PutU32(file, 1);
    PutU32(file, 0x54);
    PutU32(file, 0x0A);
    PutU32(file, kChunkSize);
    PutU32(file, 2);          // quick-reference density
    PutU32(file, 1);          // index depth: no index chunks
    PutU32(file, 0xFFFFFFFF); // root index chunk
    PutU32(file, 0);          // first listing chunk
    PutU32(file, chunkCount - 1);
    PutU32(file, 0xFFFFFFFF);
    PutU32(file, chunkCount);
    PutU32(file, 0x407);
    file.resize(file.size() + 16, 0);
    PutU32(file, 0x54);
    for (int i = 0; i < 3; ++i)
        PutU32(file, 0xFFFFFFFF);
    EXPECT_EQ(file.size(), 0x78u + 0x54u);

    for (uint32_t chunk = 0; chunk < chunkCount; ++chunk)
    {
        const size_t start = file.size();
        const std::vector<uint8_t> content = chunk == 0 ? entries : std::vector<uint8_t>{};
        PutText(file, "PMGL");
        PutU32(file, kChunkSize - 0x14 - static_cast<uint32_t>(content.size()));
        PutU32(file, 0);
        PutU32(file, chunk == 0 ? 0xFFFFFFFF : chunk - 1);
        PutU32(file, chunk + 1 == chunkCount ? 0xFFFFFFFF : chunk + 1);
        file.insert(file.end(), content.begin(), content.end());
        file.resize(start + kChunkSize, 0);
    }
    return file;
}

std::vector<uint8_t> ReadBytes(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A shortcut as the keyboard page writes it, "Strg+Shift+Q": the program's own text, plain
// ASCII.
std::string KeyText(const Shortcut& shortcut)
{
    const std::wstring text = ShortcutText(shortcut);
    return std::string(text.begin(), text.end());
}

std::string HelpSource(const std::string& page)
{
    std::string project = SOLVANTA_HELP_PROJECT;
    std::ifstream in(project.substr(0, project.find_last_of('/') + 1) + page, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The [FILES] section of the help project.
std::vector<std::string> ProjectFiles()
{
    std::ifstream in(SOLVANTA_HELP_PROJECT);
    std::vector<std::string> files;
    bool inFiles = false;
    for (std::string line; std::getline(in, line);)
    {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.starts_with('['))
            inFiles = line == "[FILES]";
        else if (inFiles && !line.empty())
            files.push_back("/" + line);
    }
    return files;
}
} // namespace

TEST(HelpFile, DirectoryEntriesAreReadFromHandMadeBytes)
{
    std::vector<uint8_t> entries = {0x01, '/', 0x00, 0x00, 0x00};
    // "/About.html" in section 1 at offset 128 (81 00) with 200 bytes (81 48).
    entries.push_back(0x0B);
    PutText(entries, "/About.html");
    entries.insert(entries.end(), {0x01, 0x81, 0x00, 0x81, 0x48});
    // A 130-character name needs two bytes for its length (81 02); offset 2^14 takes three (81 80 00).
    const std::string longName = "/" + std::string(129, 'x');
    entries.insert(entries.end(), {0x81, 0x02});
    PutText(entries, longName.c_str());
    entries.insert(entries.end(), {0x00, 0x81, 0x80, 0x00, 0x05});

    const auto directory = ReadChmDirectory(Container(entries));
    ASSERT_TRUE(directory.has_value());
    ASSERT_EQ(directory->entries.size(), 3u);
    EXPECT_EQ(directory->entries[0].name, "/");
    const ChmEntry* about = directory->Find("/about.HTML");
    ASSERT_NE(about, nullptr) << "names are found regardless of ASCII case";
    EXPECT_EQ(about->section, 1u);
    EXPECT_EQ(about->offset, 128u);
    EXPECT_EQ(about->length, 200u);
    const ChmEntry* longEntry = directory->Find(longName);
    ASSERT_NE(longEntry, nullptr);
    EXPECT_EQ(longEntry->offset, 1u << 14);
    EXPECT_EQ(longEntry->length, 5u);
    EXPECT_EQ(directory->Find("/Config.html"), nullptr);

    // Entries of a second listing chunk are found through the first one's link.
    EXPECT_EQ(ReadChmDirectory(Container(entries, 2))->entries.size(), 3u);
    EXPECT_EQ(ChmObjectName(L"::/Selection.html"), "/Selection.html");
}

TEST(HelpFile, TheBuiltFileHoldsEveryTopicTheProgramOpensAndEveryPage)
{
    const auto bytes = ReadBytes(SOLVANTA_HELP_FILE);
    ASSERT_FALSE(bytes.empty()) << "no help file at " << SOLVANTA_HELP_FILE;
    const auto directory = ReadChmDirectory(bytes);
    ASSERT_TRUE(directory.has_value());

    for (const std::wstring_view topic : help::kNamedTopics)
    {
        const ChmEntry* entry = directory->Find(ChmObjectName(topic));
        ASSERT_NE(entry, nullptr) << ChmObjectName(topic);
        EXPECT_GT(entry->length, 500u) << ChmObjectName(topic) << " is a real page";
    }
    const auto files = ProjectFiles();
    EXPECT_GE(files.size(), 12u);
    for (const std::string& file : files)
        EXPECT_NE(directory->Find(file), nullptr) << file;
    // The viewer's contents and index.
    EXPECT_NE(directory->Find("/Contents.hhc"), nullptr);
    EXPECT_NE(directory->Find("/Index.hhk"), nullptr);
}

TEST(HelpFile, DamagedAndTruncatedFilesAreRefusedWithoutReadingPastTheirBytes)
{
    auto bytes = ReadBytes(SOLVANTA_HELP_FILE);
    ASSERT_GT(bytes.size(), 0x1000u);
    const auto whole = ReadChmDirectory(bytes);
    ASSERT_TRUE(whole.has_value());

    // Cut inside the headers or the listing chunks: refused. The sanitizers catch any read
    // beyond the copy, which holds exactly the kept bytes.
    const size_t directoryEnd = 0x78 + 0x54 + 0x1000;
    for (size_t size = 0; size < directoryEnd; size += size < 0x200 ? 1 : 7)
    {
        const std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_FALSE(ReadChmDirectory(cut).has_value()) << "cut at " << size;
    }

    // Every byte of the headers and the listing set to values that break counts and lengths:
    // each copy is either refused or read within its bytes.
    for (size_t at = 0; at < std::min(directoryEnd, bytes.size()); ++at)
    {
        const uint8_t original = bytes[at];
        for (const uint8_t value : {uint8_t{0x00}, uint8_t{0x80}, uint8_t{0xFF}})
        {
            bytes[at] = value;
            if (const auto directory = ReadChmDirectory(bytes))
                for (const ChmEntry& entry : directory->entries)
                    ASSERT_LT(entry.name.size(), 0x1000u) << "a name lies inside its chunk";
        }
        bytes[at] = original;
    }

    std::vector<uint8_t> entry = {0x0B};
    PutText(entry, "/About.html");
    entry.insert(entry.end(), {0x00, 0x00, 0x05});
    // A chunk count that the directory cannot hold, a name longer than its chunk, an encoded
    // number that never ends, and chunks that link to each other in a ring.
    auto hugeCount = Container(entry);
    hugeCount[0x78 + 0x2C] = 0xFF;
    hugeCount[0x78 + 0x2F] = 0x7F;
    EXPECT_FALSE(ReadChmDirectory(hugeCount).has_value());
    EXPECT_FALSE(ReadChmDirectory(Container({0x83, 0xFF, 0x7F, '/'})).has_value());
    EXPECT_FALSE(ReadChmDirectory(Container(std::vector<uint8_t>(40, 0x80))).has_value());
    auto ring = Container(entry, 2);
    ring[0x78 + 0x54 + kChunkSize + 0x10] = 0; // the second chunk's next is the first
    for (int i = 1; i < 4; ++i)
        ring[0x78 + 0x54 + kChunkSize + 0x10 + i] = 0;
    EXPECT_FALSE(ReadChmDirectory(ring).has_value());
}

TEST(HelpFile, TheKeyboardPageNamesEveryShortcutOfTheProgram)
{
    const std::string page = HelpSource("Keyboard.html");
    ASSERT_FALSE(page.empty());
    for (const Shortcut& shortcut : Shortcuts())
    {
        // Each key stands in a table cell of its own or in a list of keys for one command.
        const std::string key = KeyText(shortcut);
        EXPECT_TRUE(page.find(">" + key + "<") != std::string::npos ||
                    page.find(">" + key + ",") != std::string::npos ||
                    page.find(", " + key + "<") != std::string::npos)
            << key << " (command " << shortcut.command << ") is missing from Keyboard.html";
    }
}
