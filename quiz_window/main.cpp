// Start-up: the quiz window is built from its definition, its load handler
// runs, and then it shows. The program ends when its last window closes.
#include "frmmain.h"
#include "runtimeapplication.h"
#include "version.h"

#include <exception>

int main(int, char** argv)
{
    platform::RuntimeApplication app(argv[0]);
    QApplication::setApplicationName(QString::fromUtf8(platform::Version::ProductName));
    QApplication::setApplicationVersion(QString::fromUtf8(platform::Version::VersionText));
    try {
        auto* window = new frmMain;
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->Form_Load();
        window->show();
    } catch (const std::exception& e) {
        platform::RuntimeApplication::fail(QString::fromUtf8(e.what()));
    } catch (...) {
        platform::RuntimeApplication::fail(QStringLiteral("不明なエラーが発生しました。"));
    }
    return QApplication::exec();
}
