#include "referenceforms.h"

platform::FormObject<frmHyou1>& frmHyou1Object()
{
    static platform::FormObject<frmHyou1> object;
    return object;
}

platform::FormObject<frmHyou2>& frmHyou2Object()
{
    static platform::FormObject<frmHyou2> object;
    return object;
}

platform::FormObject<frmAbout>& frmAboutObject()
{
    static platform::FormObject<frmAbout> object;
    return object;
}

// No owner: the charts must not stay above the quiz window, and closing or
// minimising the quiz leaves them where they are.
void mnuHelpYubimozihyou_Click()
{
    frmHyou1Object().Show(platform::Modeless);
}

void mnuHelpYubimozihyou2_Click()
{
    frmHyou2Object().Show(platform::Modeless);
}

void mnuHelpAbout_Click()
{
    frmAboutObject().Show(platform::ApplicationModal);
}
