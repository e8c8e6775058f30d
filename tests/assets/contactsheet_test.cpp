// The contact sheet lays the pictures out in the gojuon grid: one row per kana
// row, one column per vowel, so that や行 and わ行 leave gaps where the grid
// has no kana.

#include "contactsheet.h"
#include "posetable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

namespace {

std::pair<int, int> cell(int picture)
{
    const ContactSheet::Cell c = ContactSheet::cellOf(picture);
    return {c.row, c.column};
}

} // namespace

TEST(PictureSheetLayout, fullRowsTakeTheFiveColumnsInOrder)
{
    for (int p = 0; p < 35; ++p) {
        EXPECT_EQ(cell(p), std::make_pair(p / 5, p % 5)) << PoseTable::kana(p);
    }
    for (int p = 38; p < 43; ++p) {
        EXPECT_EQ(cell(p), std::make_pair(8, p - 38)) << PoseTable::kana(p);
    }
}

TEST(PictureSheetLayout, yaRowStandsUnderTheColumnsOfAUAndO)
{
    EXPECT_EQ(std::string(PoseTable::kana(35)), "や");
    EXPECT_EQ(cell(35), std::make_pair(7, 0));
    EXPECT_EQ(std::string(PoseTable::kana(36)), "ゆ");
    EXPECT_EQ(cell(36), std::make_pair(7, 2));
    EXPECT_EQ(std::string(PoseTable::kana(37)), "よ");
    EXPECT_EQ(cell(37), std::make_pair(7, 4));
}

TEST(PictureSheetLayout, waRowPutsWoInTheMiddleAndNLast)
{
    EXPECT_EQ(std::string(PoseTable::kana(43)), "わ");
    EXPECT_EQ(cell(43), std::make_pair(9, 0));
    EXPECT_EQ(std::string(PoseTable::kana(44)), "を");
    EXPECT_EQ(cell(44), std::make_pair(9, 2));
    EXPECT_EQ(std::string(PoseTable::kana(45)), "ん");
    EXPECT_EQ(cell(45), std::make_pair(9, 4));
}

TEST(PictureSheetLayout, noTwoPicturesShareACell)
{
    std::set<std::pair<int, int>> seen;
    for (int p = 0; p < PoseTable::count; ++p) {
        const auto c = cell(p);
        EXPECT_GE(c.first, 0);
        EXPECT_LT(c.first, 10);
        EXPECT_GE(c.second, 0);
        EXPECT_LT(c.second, 5);
        EXPECT_TRUE(seen.insert(c).second) << PoseTable::kana(p) << " shares a cell";
    }
}
