// The program's application object: the event loop, and the rule for errors
// that escape a handler.
#pragma once

#include <QApplication>

#include <functional>

namespace platform {

// QApplication keeps references to argc and argv, so they must be built
// before it: a base class listed first is.
struct ProgramArguments
{
    explicit ProgramArguments(char* programName) : argv{programName, nullptr} {}
    int argc = 1;
    char* argv[2];
};

class RuntimeApplication : private ProgramArguments, public QApplication
{
public:
    // Qt sees only the program's name: the program takes no command line.
    explicit RuntimeApplication(char* programName);

    bool notify(QObject* receiver, QEvent* event) override;

    // Runs a step outside the event loop, such as building the first window,
    // under the same rule as a handler: whatever it throws is reported by fail.
    static void guard(const std::function<void()>& step);

    // Shows the error in one message box, then ends the program with exit
    // status 1. Used for anything a handler throws.
    [[noreturn]] static void fail(const QString& what);

private:
    // Reports the exception being handled, of whatever type it is.
    [[noreturn]] static void failWithCurrentError();
};

} // namespace platform
