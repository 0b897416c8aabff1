#include "model/SizeFormat.h"

#include <gtest/gtest.h>

using namespace sv;

TEST(FormatSize, UnitStepsTruncationAndDecimalComma)
{
    EXPECT_EQ(FormatSize(0), L"0 Bytes");
    // Bytes are whole; the other units get decimals below 100.
    EXPECT_EQ(FormatSize(1), L"1 Bytes");
    EXPECT_EQ(FormatSize(5), L"5 Bytes");
    EXPECT_EQ(FormatSize(30), L"30 Bytes");
    EXPECT_EQ(FormatSize(100), L"100 Bytes");
    EXPECT_EQ(FormatSize(1023), L"1023 Bytes");
    EXPECT_EQ(FormatSize(1024), L"1,00 KB");
    EXPECT_EQ(FormatSize(1536), L"1,50 KB");
    EXPECT_EQ(FormatSize(6144), L"6,00 KB");
    EXPECT_EQ(FormatSize(10239), L"9,99 KB"); // 9.999 is cut, not rounded to 10
    EXPECT_EQ(FormatSize(10240), L"10,0 KB");
    EXPECT_EQ(FormatSize(102399), L"99,9 KB");
    EXPECT_EQ(FormatSize(102400), L"100 KB");
    EXPECT_EQ(FormatSize(1048575), L"1023 KB");
    EXPECT_EQ(FormatSize(1048576), L"1,00 MB");
    EXPECT_EQ(FormatSize(10000000), L"9,53 MB");
    EXPECT_EQ(FormatSize(5ull << 30), L"5,00 GB");
    EXPECT_EQ(FormatSize(1536ull << 30), L"1536 GB"); // gigabytes are the largest unit
}

TEST(FormatSize, LargestSizesStayWholeNumbersOfGigabytes)
{
    EXPECT_EQ(FormatSize(~0ull), L"17179869183 GB");
    EXPECT_EQ(FormatSize(3ull << 60), L"3221225472 GB");
}
