#include "accessiblewindow.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QStringList>
#include <QWidget>

namespace platform {

namespace {

QStringList& windowClasses()
{
    static QStringList names;
    return names;
}

// Qt asks the factories with each class name of the object in turn, the most
// derived first, so a subclass of a listed class is found at its base.
QAccessibleInterface* windowInterface(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr || !widget->isWindow() || !windowClasses().contains(className))
        return nullptr;
    // A window's accessible name is its title.
    return new QAccessibleWidget(widget, QAccessible::Window);
}

} // namespace

void announceAsWindow(const QMetaObject& windowClass)
{
    QStringList& names = windowClasses();
    if (names.isEmpty())
        QAccessible::installFactory(&windowInterface);
    const QString name = QString::fromLatin1(windowClass.className());
    if (!names.contains(name))
        names.append(name);
}

} // namespace platform
