#include "defaultbutton.h"

#include "textbox.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QInputMethod>
#include <QShortcut>

namespace platform {

DefaultButton::DefaultButton(QAbstractButton* button) : QObject(button), m_button(button) {}

void DefaultButton::make(QWidget* window, QAbstractButton* button)
{
    auto* role = new DefaultButton(button);
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* shortcut = new QShortcut(QKeySequence(key), window);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, role, &DefaultButton::press);
    }
}

void DefaultButton::press()
{
    // An Enter that ends an input-method composition only commits the text:
    // judging the box then would judge an answer the learner has not
    // finished typing.
    // With the focus elsewhere (the menu bar, the button) the composition is
    // still in its box, so the Enter judges nothing either.
    for (const TextBox* box : m_button->window()->findChildren<const TextBox*>()) {
        if (!box->isComposing())
            continue;
        if (box->hasFocus())
            QGuiApplication::inputMethod()->commit();
        return;
    }
    m_button->click();
}

} // namespace platform
