#include "menubarfocus.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace platform {

MenuBarFocus::MenuBarFocus(QMenuBar* bar) : QObject(bar), m_bar(bar) {}

void MenuBarFocus::make(QMenuBar* bar)
{
    auto* guard = new MenuBarFocus(bar);
    connect(qApp, &QApplication::focusChanged, guard, &MenuBarFocus::focusChanged);
    for (QAction* action : bar->actions())
        if (QMenu* menu = action->menu())
            connect(menu, &QMenu::aboutToHide, guard, &MenuBarFocus::checkSoon);
}

void MenuBarFocus::focusChanged(QWidget* old, QWidget* now)
{
    if (now != m_bar)
        return;
    if (old != nullptr && old->window() == m_bar->window())
        m_previous = old;
    checkSoon();
}

// The bar takes the keyboard after the menu has gone (Escape) or before the
// next one opens (Left, Right): look once those events are done.
void MenuBarFocus::checkSoon()
{
    QTimer::singleShot(0, this, &MenuBarFocus::giveBackIfIdle);
}

void MenuBarFocus::giveBackIfIdle()
{
    if (QApplication::focusWidget() != m_bar || QApplication::activePopupWidget() != nullptr)
        return;
    // Losing the focus ends the bar's keyboard mode.
    QWidget* target = m_previous != nullptr ? m_previous.data() : m_bar->nextInFocusChain();
    target->setFocus(Qt::MenuBarFocusReason);
}

} // namespace platform
