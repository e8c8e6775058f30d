// The quiz window's menu bar: 学習 with the thirteen study modes and 終了,
// 効果音 with ON and OFF, and ヘルプ with the charts and the about window.
#pragma once

#include <QKeySequence>
#include <QList>

#include <array>

class QAction;
class QMenu;
class QMenuBar;

class MenuBar
{
public:
    explicit MenuBar(QMenuBar* bar);

    QMenu* mnuGakushuu;
    // Members 1 to 13, keyed like the study-mode table; there is no member 0.
    std::array<QAction*, 14> mnuGakushuuMode{};
    QAction* mnuGakushuuEnd;
    QMenu* mnuKoukaon;
    QAction* mnuKoukaonOn;
    QAction* mnuKoukaonOff;
    QMenu* mnuHelp;
    QAction* mnuHelpYubimozihyou;
    QAction* mnuHelpYubimozihyou2;
    QAction* mnuHelpAbout;

    // Every shortcut of the bar, so that the answer box leaves them alone.
    QList<QKeySequence> shortcuts() const;
};
