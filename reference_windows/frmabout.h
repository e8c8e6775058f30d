// The about window: the program's name and version beside its icon, above
// an OK button. Its texts come from the version record, so they cannot drift
// from the application's metadata.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

class frmAbout : public QWidget
{
    Q_OBJECT

public:
    frmAbout();

private:
    void Command1_Click();

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Image1;
    QPushButton* Command1;
};
