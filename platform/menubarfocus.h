// The menu bar holds the keyboard only while one of its menus is open.
//
// After Escape closes a menu (and after a lone Alt), Qt leaves the bar in its
// keyboard mode with the focus, but the style draws no title highlighted:
// letters typed then vanish, and Enter reaches the window's default button
// instead of opening a menu. So once no menu of the bar is open, the keyboard
// goes back to the widget that had it before the bar took it.
#pragma once

#include <QObject>
#include <QPointer>

class QMenuBar;
class QWidget;

namespace platform {

class MenuBarFocus : public QObject
{
public:
    // Lives as long as the bar; call it once the bar's menus are added.
    static void make(QMenuBar* bar);

private:
    explicit MenuBarFocus(QMenuBar* bar);
    void focusChanged(QWidget* old, QWidget* now);
    void checkSoon();
    void giveBackIfIdle();

    QMenuBar* m_bar;
    QPointer<QWidget> m_previous;
};

} // namespace platform
