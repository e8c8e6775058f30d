// The about window: the program's name and version beside its icon, above
// an OK button. Its texts come from the version record, so they cannot drift
// from the application's metadata. A dialog, so that screen readers announce
// it as one.
#pragma once

#include <QDialog>

class QKeyEvent;
class QLabel;
class QPushButton;

class frmAbout : public QDialog
{
    Q_OBJECT

public:
    frmAbout();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Command1_Click();

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Image1;
    QPushButton* Command1;
};
