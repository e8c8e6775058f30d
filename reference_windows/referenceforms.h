// The program-wide objects of the chart and about windows, and the help
// menu's handlers that show them. The quiz window calls the handlers; nothing
// here calls back.
#pragma once

#include "formobject.h"
#include "frmabout.h"
#include "frmhyou1.h"
#include "frmhyou2.h"

// Made at first use and kept until the program ends; each builds its window
// afresh whenever the window is not loaded.
platform::FormObject<frmHyou1>& frmHyou1Object();
platform::FormObject<frmHyou2>& frmHyou2Object();
platform::FormObject<frmAbout>& frmAboutObject();

// 指文字表（あ行～な行）: the chart beside the quiz; an open one comes forward.
void mnuHelpYubimozihyou_Click();
// 指文字表（は行～わ行）
void mnuHelpYubimozihyou2_Click();
// バージョン情報: the about window, which blocks every other window of the
// program until it is closed.
void mnuHelpAbout_Click();
