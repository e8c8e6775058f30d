#include "textbox.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

#include <limits>

namespace platform {

TextBox::TextBox(QWidget* parent) : QLineEdit(parent)
{
    // No limit of our own: QLineEdit would stop at 32767 characters.
    setMaxLength(std::numeric_limits<int>::max());
}

bool TextBox::isMenuShortcut(const QKeyEvent* event) const
{
    const QKeySequence pressed(event->keyCombination());
    for (const QKeySequence& shortcut : m_menuShortcuts)
        if (shortcut.matches(pressed) == QKeySequence::ExactMatch)
            return true;
    return false;
}

bool TextBox::event(QEvent* event)
{
    // Leaving the override unaccepted hands the key to the window's shortcut.
    if (event->type() == QEvent::ShortcutOverride &&
        isMenuShortcut(static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    return QLineEdit::event(event);
}

void TextBox::keyPressEvent(QKeyEvent* event)
{
    // Should a claimed key still arrive here, it must not edit the text.
    if (isMenuShortcut(event)) {
        event->ignore();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TextBox::inputMethodEvent(QInputMethodEvent* event)
{
    m_composing = !event->preeditString().isEmpty();
    QLineEdit::inputMethodEvent(event);
}

void TextBox::focusOutEvent(QFocusEvent* event)
{
    // Qt commits or drops the preedit when the focus leaves.
    m_composing = false;
    QLineEdit::focusOutEvent(event);
}

} // namespace platform
