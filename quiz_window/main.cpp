// Start-up: the quiz window is built from its definition, its load handler
// runs, and then it shows. The program ends when its last window closes; the
// sound player lives until then, so closing the quiz window while a chart
// stays open does not cut off the sound that plays.
#include "frmmain.h"
#include "runtimeapplication.h"
#include "soundplayer.h"
#include "version.h"

int main(int, char** argv)
{
    platform::RuntimeApplication app(argv[0]);
    QApplication::setApplicationName(QString::fromUtf8(platform::Version::ProductName));
    QApplication::setApplicationVersion(QString::fromUtf8(platform::Version::VersionText));
    platform::SoundPlayer player;
    platform::RuntimeApplication::guard([&player] {
        auto* window = new frmMain(player);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->Form_Load();
        window->show();
    });
    return QApplication::exec();
}
