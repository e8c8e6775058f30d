#include "frmhyou1.h"

frmHyou1::frmHyou1()
    : ChartWindow(reference_windows::Chart::Hyou1, QStringLiteral("指文字表（あ行～な行）"),
                  QSize(684, 652))
{
}
