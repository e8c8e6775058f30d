// Peak memory while the charts and the about window are opened and closed
// over and over from the quiz window's help menu, printed after growing
// numbers of rounds: a figure that stays flat means every close gives back
// what the window took.
#include "frmmain.h"
#include "referenceforms.h"

#include <QAction>
#include <QApplication>

#include <sys/resource.h>

#include <cstdio>

namespace {

long peakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void round(const frmMain& window)
{
    window.menus().mnuHelpYubimozihyou->trigger();
    window.menus().mnuHelpYubimozihyou2->trigger();
    QApplication::processEvents();
    frmHyou1Object().Unload();
    frmHyou2Object().Unload();
    window.menus().mnuHelpAbout->trigger();
    QApplication::processEvents();
    frmAboutObject().Unload();
    // Closed windows are deleted by the event loop.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::SoundPlayer player;
    frmMain window(player);
    window.show();
    QApplication::processEvents();

    std::printf("rounds  peak RSS (KiB)\n");
    int done = 0;
    for (const int checkpoint : {1, 100, 300, 1000, 3000}) {
        for (; done < checkpoint; ++done)
            round(window);
        std::printf("%6d  %8ld\n", done, peakKiB());
    }
    return 0;
}
