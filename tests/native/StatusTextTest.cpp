#include "model/StatusText.h"

#include <gtest/gtest.h>

using namespace sv;

TEST(StatusText, FolderCountsSizesAndDriveSpace)
{
    EXPECT_EQ(FolderStatusText(3, 6 * 1024, std::nullopt), L"3 Objekte   6,00 KB");
    const DriveSpace drive{L"C:", 3ull << 30, 2ull << 30};
    EXPECT_EQ(FolderStatusText(3, 6 * 1024, drive),
              L"3 Objekte   6,00 KB   (C: 1,00 GB belegt / 2,00 GB frei)");
    EXPECT_EQ(FolderStatusText(0, 0, std::nullopt), L"0 Objekte   0 Bytes");
    // A drive reporting more free than total space shows nothing used rather than a wrap-around.
    EXPECT_EQ(FolderStatusText(1, 1, DriveSpace{L"D:", 10, 20}),
              L"1 Objekte   1 Bytes   (D: 0 Bytes belegt / 20 Bytes frei)");
}

TEST(StatusText, Selection)
{
    EXPECT_EQ(SelectionStatusText(2, 3 * 1024), L"2 Objekte ausgewählt   3,00 KB");
    EXPECT_EQ(SelectionStatusText(10000, 1048576), L"10000 Objekte ausgewählt   1,00 MB");
}

TEST(StatusText, OneItemNamesItsTypeSizeAndDate)
{
    ItemStatus file{L"bericht.txt", L"Textdokument", 3 * 1024, LocalDateTime{2026, 3, 7, 9, 5}};
    EXPECT_EQ(SingleItemStatusText(file), L"bericht.txt   Textdokument   3,00 KB   Geändert am 07.03.2026 09:05");
    // A folder has no size; what the shell does not know is left out, not shown empty.
    EXPECT_EQ(SingleItemStatusText(ItemStatus{L"Bilder", L"Dateiordner", std::nullopt, std::nullopt}),
              L"Bilder   Dateiordner");
    EXPECT_EQ(SingleItemStatusText(ItemStatus{L"x", L"", std::nullopt, LocalDateTime{1999, 12, 31, 23, 59}}),
              L"x   Geändert am 31.12.1999 23:59");
}
