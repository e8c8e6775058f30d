// Enter presses a window's default button wherever the focus is in that
// window. QPushButton::setDefault does this only inside a QDialog.
#pragma once

#include <QObject>

class QAbstractButton;
class QWidget;

namespace platform {

class DefaultButton : public QObject
{
public:
    // Lives as long as the button.
    static void make(QWidget* window, QAbstractButton* button);

private:
    explicit DefaultButton(QAbstractButton* button);
    void press();

    QAbstractButton* m_button;
};

} // namespace platform
