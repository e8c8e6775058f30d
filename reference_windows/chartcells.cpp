#include "chartcells.h"

#include <algorithm>
#include <array>

namespace reference_windows {

namespace {

using enum Chart;

// clang-format off
constexpr std::array<ChartCell, 46> ChartCells{{
    // chart kana  number row col image label picture-shift label-shift
    {Hyou1, u'あ',  1, 0, 0,  0,  0, 0, 0},
    {Hyou1, u'い',  2, 0, 1,  1,  1, 0, 0},
    {Hyou1, u'う',  3, 0, 2,  2,  2, 0, 0},
    {Hyou1, u'え',  4, 0, 3,  3,  3, 0, 0},
    {Hyou1, u'お',  5, 0, 4,  4,  4, 0, 0},
    {Hyou1, u'か',  6, 1, 0,  5,  5, 0, 0},
    {Hyou1, u'き',  7, 1, 1,  6,  6, 0, 0},
    {Hyou1, u'く',  8, 1, 2,  7,  7, 0, 0},
    {Hyou1, u'け',  9, 1, 3,  8,  8, 0, 0},
    {Hyou1, u'こ', 10, 1, 4,  9,  9, 0, 0},
    {Hyou1, u'さ', 11, 2, 0, 10, 10, 0, 0},
    {Hyou1, u'し', 12, 2, 1, 11, 11, 0, 0},
    {Hyou1, u'す', 13, 2, 2, 12, 12, 0, 0},
    {Hyou1, u'せ', 14, 2, 3, 13, 13, 0, 0},
    {Hyou1, u'そ', 15, 2, 4, 14, 14, 0, 0},
    {Hyou1, u'た', 16, 3, 0, 15, 15, 0, 0},
    {Hyou1, u'ち', 17, 3, 1, 16, 16, 0, 0},
    {Hyou1, u'つ', 18, 3, 2, 17, 17, 0, 8},
    {Hyou1, u'て', 19, 3, 3, 18, 18, 0, 0},
    {Hyou1, u'と', 20, 3, 4, 19, 19, 0, 0},
    {Hyou1, u'な', 21, 4, 0, 20, 20, 0, 0},
    {Hyou1, u'に', 22, 4, 1, 21, 21, 0, 0},
    {Hyou1, u'ぬ', 23, 4, 2, 22, 22, 0, 0},
    {Hyou1, u'ね', 24, 4, 3, 23, 23, 0, 0},
    {Hyou1, u'の', 25, 4, 4, 24, 24, 0, 0},
    // The labels of the second chart were numbered in an order of their own,
    // and Label1(5) was never made.
    {Hyou2, u'は', 26, 0, 0,  0,  0, 0, 0},
    {Hyou2, u'ひ', 27, 0, 1,  1,  1, 0, 0},
    {Hyou2, u'ふ', 28, 0, 2,  2,  2, 0, 0},
    {Hyou2, u'へ', 29, 0, 3,  3,  3, 0, 0},
    {Hyou2, u'ほ', 30, 0, 4,  4,  4, 0, 0},
    {Hyou2, u'ま', 31, 1, 0,  5, 10, 0, 0},
    {Hyou2, u'み', 32, 1, 1,  6,  9, 0, 0},
    {Hyou2, u'む', 33, 1, 2,  7,  8, 0, 0},
    {Hyou2, u'め', 34, 1, 3,  8,  7, 0, 0},
    {Hyou2, u'も', 35, 1, 4,  9,  6, 0, 0},
    {Hyou2, u'や', 36, 2, 0, 10, 15, 0, 0},
    {Hyou2, u'ゆ', 37, 2, 2, 11, 14, 0, 0},
    {Hyou2, u'よ', 38, 2, 4, 12, 13, 0, 0},
    {Hyou2, u'ら', 39, 3, 0, 13, 12, 0, 0},
    {Hyou2, u'り', 40, 3, 1, 14, 11, 0, 0},
    {Hyou2, u'る', 41, 3, 2, 15, 20, 0, 0},
    {Hyou2, u'れ', 42, 3, 3, 16, 19, 0, 0},
    {Hyou2, u'ろ', 43, 3, 4, 17, 18, 0, 0},
    {Hyou2, u'わ', 44, 4, 0, 18, 17, 0, 0},
    {Hyou2, u'を', 45, 4, 2, 19, 16, -8, -8},
    {Hyou2, u'ん', 46, 4, 4, 20, 21, 0, 0},
}};
// clang-format on

} // namespace

std::span<const ChartCell> cellsOf(Chart chart)
{
    const auto first = std::ranges::find(ChartCells, chart, &ChartCell::chart);
    const auto last = std::find_if(first, ChartCells.end(),
                                   [chart](const ChartCell& cell) { return cell.chart != chart; });
    return {first, last};
}

} // namespace reference_windows
