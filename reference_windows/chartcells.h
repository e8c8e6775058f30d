// The cells of the two fingerspelling charts as one table: which kana stands
// where, and which control-array members show it. The chart windows build
// their pictures and labels from it in one loop.
#pragma once

#include <QPoint>
#include <span>

namespace reference_windows {

enum class Chart
{
    Hyou1, // あ行～な行
    Hyou2, // は行～わ行
};

struct ChartCell
{
    Chart chart;
    char16_t kana;
    // 1 for あ up to 46 for ん; the cell shows the half-size copy of picture
    // kanaNumber - 1, the same drawing the quiz asks about for this kana.
    int kanaNumber;
    int row;
    int column;
    // Members of the Image1 and Label1 control arrays.
    int image;
    int label;
    // Pixels right (+) or left (-) of the place the grid gives.
    int pictureShift;
    int labelShift;
};

// The cells of one chart, in gojuon order.
std::span<const ChartCell> cellsOf(Chart chart);

// The grid: cells 136 px apart across and 128 px down, the kana 56 px right
// of its picture's left edge and 8 px below the picture.
inline constexpr int CellWidth = 136;
inline constexpr int CellHeight = 128;

inline QPoint picturePlace(const ChartCell& cell)
{
    return {8 + CellWidth * cell.column + cell.pictureShift, 8 + CellHeight * cell.row};
}

inline QPoint labelPlace(const ChartCell& cell)
{
    return {64 + CellWidth * cell.column + cell.labelShift, 112 + CellHeight * cell.row};
}

} // namespace reference_windows
