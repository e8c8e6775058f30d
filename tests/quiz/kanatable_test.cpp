#include "kanatable.h"

#include <gtest/gtest.h>

using quiz::KanaReadingTable;
using quiz::StudyModeTable;

TEST(KanaTable, HoldsTheFortySixReadingsInGojuonOrder)
{
    // The code points, row by row; や行 and わ行 have three kana each.
    const char16_t expected[quiz::KanaTotal] = {
        0x3042, 0x3044, 0x3046, 0x3048, 0x304A, 0x304B, 0x304D, 0x304F, 0x3051, 0x3053,
        0x3055, 0x3057, 0x3059, 0x305B, 0x305D, 0x305F, 0x3061, 0x3064, 0x3066, 0x3068,
        0x306A, 0x306B, 0x306C, 0x306D, 0x306E, 0x306F, 0x3072, 0x3075, 0x3078, 0x307B,
        0x307E, 0x307F, 0x3080, 0x3081, 0x3082, 0x3084, 0x3086, 0x3088, 0x3089, 0x308A,
        0x308B, 0x308C, 0x308D, 0x308F, 0x3092, 0x3093,
    };
    for (int k = 1; k <= quiz::KanaTotal; ++k) {
        const auto reading = KanaReadingTable[static_cast<std::size_t>(k - 1)];
        ASSERT_EQ(reading.size(), 1u) << "KanaNumber " << k;
        EXPECT_EQ(reading[0], expected[k - 1]) << "KanaNumber " << k;
    }
    EXPECT_EQ(KanaReadingTable[44], u"を"); // KanaNumber 45, not お
}

TEST(StudyModeTable, HoldsTheThirteenRows)
{
    struct Row
    {
        std::u16string_view name;
        int count;
        int first;
    };
    const Row expected[quiz::StudyModeCount] = {
        {u"あ行", 5, 1},
        {u"か行", 5, 6},
        {u"さ行", 5, 11},
        {u"た行", 5, 16},
        {u"な行", 5, 21},
        {u"は行", 5, 26},
        {u"ま行", 5, 31},
        {u"や行", 3, 36},
        {u"ら行", 5, 39},
        {u"わ行", 3, 44},
        {u"あ行\uFF5Eな行", 25, 1},
        {u"は行\uFF5Eわ行", 21, 26},
        {u"あ行\uFF5Eわ行", 46, 1},
    };
    for (int Index = 1; Index <= quiz::StudyModeCount; ++Index) {
        const quiz::StudyMode* row = quiz::studyModeRow(Index);
        ASSERT_NE(row, nullptr) << Index;
        const Row& want = expected[Index - 1];
        EXPECT_EQ(row->ModeName, want.name) << Index;
        EXPECT_EQ(row->KanaCount, want.count) << Index;
        EXPECT_EQ(row->FirstKana, want.first) << Index;
        EXPECT_LE(row->FirstKana + row->KanaCount - 1, quiz::KanaTotal) << Index;
    }
}

TEST(StudyModeTable, HasNoRowOutsideOneToThirteen)
{
    for (int Index : {-1, 0, 14, 32767})
        EXPECT_EQ(quiz::studyModeRow(Index), nullptr) << Index;
}
