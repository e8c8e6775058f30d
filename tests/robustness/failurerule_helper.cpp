// A small program on the window runtime whose handler throws, started by
// failurerule_test. A watcher reports the message box that the runtime shows,
// then presses its OK; what happens next is the runtime's to decide.
//
// Usage: failurerule_helper <case>, the cases being those of scenarios below.
#include "runtimeapplication.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace {

void say(const QString& line)
{
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    // The runtime ends the process with _Exit, which flushes nothing.
    std::fflush(stdout);
}

class ThrowingBox : public QWidget
{
protected:
    void keyPressEvent(QKeyEvent*) override
    {
        throw std::runtime_error("キーの処理で失敗しました");
    }
};

// Reports every message box that comes up, with how many are on screen, and
// presses its OK. A program that shows none in good time ends with status 3.
void watchForMessageBoxes()
{
    auto* watcher = new QTimer(qApp);
    watcher->setInterval(10);
    QObject::connect(watcher, &QTimer::timeout, qApp, [] {
        static int ticks = 0;
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            if (++ticks > 1000) {
                say(QStringLiteral("no message box"));
                std::_Exit(3);
            }
            return;
        }
        int visible = 0;
        for (const QWidget* widget : QApplication::topLevelWidgets())
            visible += qobject_cast<const QMessageBox*>(widget) != nullptr && widget->isVisible();
        say(QStringLiteral("message: ") + box->text());
        say(QStringLiteral("message boxes: %1").arg(visible));
        box->button(QMessageBox::Ok)->click();
    });
    watcher->start();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    const char* scenario = argv[1];
    platform::RuntimeApplication app(argv[0]);
    watchForMessageBoxes();

    QWidget window;
    auto* button = new QPushButton(QStringLiteral("入力"), &window);
    QObject::connect(button, &QPushButton::clicked, &window,
                     [] { throw std::runtime_error("入力の処理で失敗しました"); });
    auto* box = new ThrowingBox;
    box->setParent(&window);
    window.show();

    if (std::strcmp(scenario, "timer") == 0) {
        QTimer::singleShot(0, &window, [] { throw std::runtime_error("タイマーで失敗しました"); });
    } else if (std::strcmp(scenario, "click") == 0) {
        QMetaObject::invokeMethod(button, &QPushButton::click, Qt::QueuedConnection);
    } else if (std::strcmp(scenario, "key") == 0) {
        QCoreApplication::postEvent(
            box, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a")));
    } else if (std::strcmp(scenario, "not-std") == 0) {
        QTimer::singleShot(0, &window, [] { throw 42; });
    } else if (std::strcmp(scenario, "start-up") == 0) {
        // As the program's main builds the quiz window, before any event
        // loop runs.
        platform::RuntimeApplication::guard([] { throw std::runtime_error("起動で失敗しました"); });
    } else if (std::strcmp(scenario, "start-up-not-std") == 0) {
        platform::RuntimeApplication::guard([] { throw 42; });
    } else if (std::strcmp(scenario, "second-error") == 0) {
        // Two handlers due at once that both fail: the second comes while
        // the message of the first is on screen.
        QTimer::singleShot(0, &window, [] { throw std::runtime_error("最初に失敗しました"); });
        QTimer::singleShot(0, &window, [] { throw std::runtime_error("次に失敗しました"); });
    } else {
        return 2;
    }

    const int status = QApplication::exec();
    say(QStringLiteral("event loop returned %1").arg(status));
    return status;
}
