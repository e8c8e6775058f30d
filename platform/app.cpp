#include "app.h"

#include "singleinstance.h"

#include <QCoreApplication>

#include <cstdlib>

namespace platform {

QString App::Path()
{
    return QCoreApplication::applicationDirPath();
}

bool App::PrevInstance()
{
    static SingleInstance instance;
    return instance.anotherRuns();
}

void End()
{
    std::_Exit(0);
}

} // namespace platform
