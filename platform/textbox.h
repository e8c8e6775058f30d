// A one-line text box that knows two things a plain QLineEdit does not: when
// an input method is still composing in it, and which keys its window's menus
// have claimed.
#pragma once

#include <QKeySequence>
#include <QLineEdit>
#include <QList>

namespace platform {

class TextBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit TextBox(QWidget* parent = nullptr);

    // True while an input method shows uncommitted text in the box. The
    // focus leaving does not end it: Qt commits on most focus changes, which
    // arrives as an input-method event, but not when a menu or the menu bar
    // takes the focus, and then the preedit stays in the box.
    bool isComposing() const { return m_composing; }

    // Sets the text, dropping a composition still open in the box.
    void replaceText(const QString& text);

    // Keys that belong to the window's menus even while the box has the
    // focus. QLineEdit takes Ctrl+A for select-all, Ctrl+Y for redo and
    // Ctrl+H for backspace, so without this the menu would never see them.
    void setMenuShortcuts(QList<QKeySequence> shortcuts) { m_menuShortcuts = std::move(shortcuts); }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    bool isMenuShortcut(const QKeyEvent* event) const;

    bool m_composing = false;
    QList<QKeySequence> m_menuShortcuts;
};

} // namespace platform
