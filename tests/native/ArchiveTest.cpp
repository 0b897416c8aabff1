#include "framework/archive/Archive.h"

#include <gtest/gtest.h>

using namespace sv;

namespace
{
std::vector<uint8_t> Written(const std::function<void(ArchiveWriter&)>& write)
{
    MemorySink sink;
    ArchiveWriter writer(sink);
    write(writer);
    writer.Flush();
    return sink.Bytes();
}

std::wstring ReadStringFrom(const std::vector<uint8_t>& bytes)
{
    MemorySource source(bytes);
    ArchiveReader reader(source);
    return reader.ReadString();
}

std::vector<uint8_t> Prefix(const std::vector<uint8_t>& bytes, size_t count)
{
    return {bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(count)};
}
} // namespace

TEST(Archive, NumbersAreLittleEndianWithoutPadding)
{
    const auto bytes = Written(
        [](ArchiveWriter& w)
        {
            w.WriteInt(0x0000055A);
            w.WriteInt(-2);
            w.WriteBool(true);
            w.WriteDouble(1.5);
        });
    const std::vector<uint8_t> expected{0x5A, 0x05, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 1,    0,
                                        0,    0,    0, 0, 0,    0,    0,    0,    0xF8, 0x3F};
    EXPECT_EQ(bytes, expected);
    MemorySource source(bytes);
    ArchiveReader reader(source);
    EXPECT_EQ(reader.ReadInt(), 1370);
    EXPECT_EQ(reader.ReadInt(), -2);
    EXPECT_TRUE(reader.ReadBool());
    EXPECT_EQ(reader.ReadDouble(), 1.5);
    EXPECT_EQ(reader.Remaining(), 0u);
    EXPECT_THROW(reader.ReadByte(), ArchiveReadError);
}

TEST(Archive, StringPrefixesInEveryLengthForm)
{
    EXPECT_EQ(Written([](ArchiveWriter& w) { w.WriteString(L""); }),
              (std::vector<uint8_t>{0xFF, 0xFE, 0xFF, 0x00}));
    EXPECT_EQ(Written([](ArchiveWriter& w) { w.WriteString(L";"); }),
              (std::vector<uint8_t>{0xFF, 0xFE, 0xFF, 0x01, 0x3B, 0x00}));

    const std::wstring s254(254, L'a');
    EXPECT_EQ(Prefix(Written([&](ArchiveWriter& w) { w.WriteString(s254); }), 4),
              (std::vector<uint8_t>{0xFF, 0xFE, 0xFF, 0xFE}));

    const std::wstring s255(255, L'b');
    const auto b255 = Written([&](ArchiveWriter& w) { w.WriteString(s255); });
    EXPECT_EQ(Prefix(b255, 6), (std::vector<uint8_t>{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x00}));
    EXPECT_EQ(b255.size(), 6u + 510u);
    EXPECT_EQ(ReadStringFrom(b255), s255);

    const std::wstring s65533(0xFFFD, L'c');
    EXPECT_EQ(Prefix(Written([&](ArchiveWriter& w) { w.WriteString(s65533); }), 6),
              (std::vector<uint8_t>{0xFF, 0xFE, 0xFF, 0xFF, 0xFD, 0xFF}));

    const std::wstring s65534(0xFFFE, L'd');
    const auto b65534 = Written([&](ArchiveWriter& w) { w.WriteString(s65534); });
    EXPECT_EQ(Prefix(b65534, 10),
              (std::vector<uint8_t>{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}));
    EXPECT_EQ(ReadStringFrom(b65534), s65534);

    const std::wstring s70000(70000, L'e');
    EXPECT_EQ(ReadStringFrom(Written([&](ArchiveWriter& w) { w.WriteString(s70000); })), s70000);
}

TEST(Archive, GermanTextSurvivesTheRoundTrip)
{
    const std::wstring text = L"Größe › Übersicht …";
    const auto bytes = Written([&](ArchiveWriter& w) { w.WriteString(text); });
    EXPECT_EQ(bytes[4], 0x47); // 'G'
    EXPECT_EQ(bytes[8], 0xF6); // 'ö' as a UTF-16 unit
    EXPECT_EQ(ReadStringFrom(bytes), text);
}

TEST(Archive, EightBitStringsAreReadInTheSystemCodePage)
{
    EXPECT_EQ(ReadStringFrom({0x03, 'a', 'b', 'c'}), L"abc");
    EXPECT_EQ(ReadStringFrom({0x04, 'G', 'r', 0xF6, 0xDF}), L"Größ");
    EXPECT_EQ(ReadStringFrom({0x01, 0x80}), L"€");
    EXPECT_EQ(ReadStringFrom({0x00}), L"");

    std::vector<uint8_t> longForm{0xFF, 0x2C, 0x01}; // 300 characters in the word form
    longForm.insert(longForm.end(), 300, 'x');
    EXPECT_EQ(ReadStringFrom(longForm), std::wstring(300, L'x'));

    std::vector<uint8_t> dwordForm{0xFF, 0xFF, 0xFF, 0x05, 0x00, 0x00, 0x00};
    dwordForm.insert(dwordForm.end(), 5, 'y');
    EXPECT_EQ(ReadStringFrom(dwordForm), L"yyyyy");
}

TEST(Archive, LengthsBeyondTheDataAreErrorsNotAllocations)
{
    // A wide string claiming 2^62 characters, and an 8-bit one claiming 4 GiB.
    const std::vector<uint8_t> huge{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x3F};
    EXPECT_THROW(ReadStringFrom(huge), ArchiveReadError);
    EXPECT_THROW(ReadStringFrom({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF}), ArchiveReadError);
    EXPECT_THROW(ReadStringFrom({0xFF, 0xFE, 0xFF, 0x05, 0x41, 0x00}), ArchiveReadError);
    EXPECT_THROW(ReadStringFrom({0xFF, 0xFE}), ArchiveReadError);

    const std::vector<uint8_t> bigList{0xFF, 0xFF, 0xFF, 0x7F};
    MemorySource source(bigList);
    ArchiveReader reader(source);
    EXPECT_THROW(reader.ReadItemIdList(), ArchiveReadError);
}

TEST(Archive, ItemIdListsAndStreams)
{
    const auto list = ItemIdList::FromItems({{0x1F, 0x50}, {0x31, 0x00, 0x41}});
    const auto bytes = Written(
        [&](ArchiveWriter& w)
        {
            w.WriteItemIdList(list);
            w.WriteItemIdList(ItemIdList());
            w.WriteStream({9, 8, 7});
            w.WriteStream({});
        });
    const std::vector<uint8_t> expected{11, 0, 0, 0, 4, 0, 0x1F, 0x50, 5, 0, 0x31, 0x00, 0x41, 0, 0,
                                        0,  0, 0, 0, 3, 0, 0,    0,    9, 8, 7,    0,    0,    0, 0};
    EXPECT_EQ(bytes, expected);
    MemorySource source(bytes);
    ArchiveReader reader(source);
    EXPECT_EQ(reader.ReadItemIdList(), list);
    EXPECT_TRUE(reader.ReadItemIdList().IsNull());
    EXPECT_EQ(reader.ReadStream(), (StreamBytes{9, 8, 7}));
    EXPECT_TRUE(reader.ReadStream().empty());
    EXPECT_EQ(list.ItemCount(), 2u);
}

TEST(Archive, MalformedItemIdListsAreRejected)
{
    const std::vector<std::vector<uint8_t>> bad{{0x00},                    // shorter than a terminator
                                                {0x05, 0x00, 0x01, 0x00},  // item runs past the end
                                                {0x01, 0x00, 0x00, 0x00},  // item size below 2
                                                {0x03, 0x00, 0x01},        // no terminator
                                                {0x00, 0x00, 0x00, 0x00}}; // bytes after the terminator
    for (const auto& bytes : bad)
        EXPECT_FALSE(ItemIdList::FromBytes(bytes).has_value());
    EXPECT_TRUE(ItemIdList::FromBytes(std::vector<uint8_t>{0, 0})->IsDesktop());
}

TEST(Archive, BufferBoundariesAreInvisible)
{
    std::vector<uint8_t> block(10000);
    for (size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<uint8_t>(i * 7);
    const auto bytes = Written(
        [&](ArchiveWriter& w)
        {
            w.WriteInt(1);
            w.WriteRaw(block.data(), block.size());
            w.WriteString(std::wstring(3000, L'z'));
            w.WriteInt(2);
        });
    MemorySource source(bytes);
    ArchiveReader reader(source);
    EXPECT_EQ(reader.ReadInt(), 1);
    EXPECT_EQ(reader.ReadBlock(block.size()), block);
    EXPECT_EQ(reader.ReadString(), std::wstring(3000, L'z'));
    EXPECT_EQ(reader.ReadInt(), 2);
}

TEST(Archive, AnsiLinesStopAtLineFeedOrLimit)
{
    std::vector<uint8_t> bytes{'a', 'b', '\n', 'c'};
    MemorySource source(bytes);
    ArchiveReader reader(source);
    EXPECT_EQ(reader.ReadAnsiLine(260), "ab");
    EXPECT_EQ(reader.Remaining(), 1u);

    std::vector<uint8_t> longLine(300, 'q');
    MemorySource longSource(longLine);
    ArchiveReader longReader(longSource);
    EXPECT_EQ(longReader.ReadAnsiLine(260).size(), 259u);
    EXPECT_EQ(longReader.Remaining(), 40u);
}

TEST(Archive, ASinkThatRefusesBytesFailsTheWrite)
{
    class FullSink : public ByteSink
    {
    public:
        bool Write(const uint8_t*, size_t) override { return false; }
    } sink;
    ArchiveWriter writer(sink);
    writer.WriteInt(1); // buffered
    EXPECT_THROW(writer.Flush(), ArchiveWriteError);
}
