#include "runtimeapplication.h"

#include <QMessageBox>

#include <cstdlib>
#include <exception>

namespace platform {

RuntimeApplication::RuntimeApplication(char* programName)
    : ProgramArguments(programName), QApplication(argc, argv)
{
}

// Qt's event loop cannot carry an exception, so every event is delivered
// inside a guard: an error in a handler shows its message and ends the
// program, instead of an abort without a word or a loop left half-way.
bool RuntimeApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        fail(QString::fromUtf8(e.what()));
    } catch (...) {
        fail(QStringLiteral("不明なエラーが発生しました。"));
    }
}

void RuntimeApplication::fail(const QString& what)
{
    QMessageBox box(QMessageBox::Critical, applicationDisplayName(),
                    QStringLiteral("実行時エラーが発生したため、プログラムを終了します。\n\n") +
                        what,
                    QMessageBox::Ok);
    box.exec();
    std::_Exit(1);
}

} // namespace platform
