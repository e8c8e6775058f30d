#include "runtimeapplication.h"

#include <QMessageBox>

#include <cstdlib>
#include <exception>

namespace platform {

namespace {
// Set once the message of an error is on screen; the program is ending.
bool failing = false;
} // namespace

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
    } catch (...) {
        if (!failing)
            failWithCurrentError();
    }
    // An error while the message of an earlier one shows (its box runs an
    // event loop of its own): the first error is the one reported, and the
    // program ends when its message is closed.
    return true;
}

void RuntimeApplication::guard(const std::function<void()>& step)
{
    try {
        step();
    } catch (...) {
        failWithCurrentError();
    }
}

void RuntimeApplication::failWithCurrentError()
{
    try {
        throw;
    } catch (const std::exception& e) {
        fail(QString::fromUtf8(e.what()));
    } catch (...) {
        fail(QStringLiteral("不明なエラーが発生しました。"));
    }
}

void RuntimeApplication::fail(const QString& what)
{
    failing = true;
    QMessageBox box(QMessageBox::Critical, applicationDisplayName(),
                    QStringLiteral("実行時エラーが発生したため、プログラムを終了します。\n\n") +
                        what,
                    QMessageBox::Ok);
    box.exec();
    std::_Exit(1);
}

} // namespace platform
