#include "frmhyou2.h"

frmHyou2::frmHyou2()
    : ChartWindow(reference_windows::Chart::Hyou2, QStringLiteral("指文字表（は行～わ行）"),
                  QSize(685, 646))
{
}
