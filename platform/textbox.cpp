#include "textbox.h"

#include <QGuiApplication>
#include <QInputMethod>
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

// A key held with Alt is a menu's access key or nothing: QLineEdit would type
// its letter. AltGr (Qt's group switch on X11) still types its characters.
static bool isAltKey(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    return modifiers.testFlag(Qt::AltModifier) && !modifiers.testFlag(Qt::GroupSwitchModifier);
}

void TextBox::keyPressEvent(QKeyEvent* event)
{
    // Should a claimed key still arrive here, it must not edit the text.
    if (isMenuShortcut(event) || isAltKey(event)) {
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

void TextBox::replaceText(const QString& text)
{
    // QLineEdit resets the input method only while it has the focus; with the
    // focus elsewhere the old preedit would stay drawn over the new text and
    // come back as a commit later.
    if (m_composing) {
        QInputMethodEvent drop;
        QCoreApplication::sendEvent(this, &drop);
        QGuiApplication::inputMethod()->reset();
    }
    setText(text);
}

} // namespace platform
