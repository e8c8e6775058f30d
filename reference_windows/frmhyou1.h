// The fingerspelling chart of あ行 to な行: five rows of five kana.
#pragma once

#include "chartwindow.h"

class frmHyou1 : public reference_windows::ChartWindow
{
    Q_OBJECT

public:
    frmHyou1();
};
