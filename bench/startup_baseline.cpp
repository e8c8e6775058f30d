// The yardstick for the program's start-up: the smallest Qt Widgets program
// that shows a window, one widget with one label, built like the program.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("baseline"));
    QLabel label(QStringLiteral("学習する内容を選択してください。"), &window);
    window.show();
    return QApplication::exec();
}
