// What the two fingerspelling charts share: a fixed window of half-size
// hand pictures with their kana underneath, built from the cell table.
#pragma once

#include "chartcells.h"

#include <QSize>
#include <QString>
#include <QWidget>

namespace reference_windows {

class ChartWindow : public QWidget
{
    Q_OBJECT

protected:
    ChartWindow(Chart chart, const QString& title, QSize clientSize);

private:
    void addCell(const ChartCell& cell);
};

} // namespace reference_windows
