// The fingerspelling chart of は行 to わ行; や行 and わ行 keep columns 1 and 3 empty.
#pragma once

#include "chartwindow.h"

class frmHyou2 : public reference_windows::ChartWindow
{
    Q_OBJECT

public:
    frmHyou2();
};
