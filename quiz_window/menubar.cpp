#include "menubar.h"

#include "kanatable.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

// The study modes' shortcuts, by row of the study-mode table: a letter of each
// row's romanised name, then the two halves and the whole table.
const std::array<QKeyCombination, quiz::StudyModeCount> StudyModeShortcuts = {
    Qt::CTRL | Qt::Key_A,        Qt::CTRL | Qt::Key_K,        Qt::CTRL | Qt::Key_S,
    Qt::CTRL | Qt::Key_T,        Qt::CTRL | Qt::Key_N,        Qt::CTRL | Qt::Key_H,
    Qt::CTRL | Qt::Key_M,        Qt::CTRL | Qt::Key_Y,        Qt::CTRL | Qt::Key_R,
    Qt::CTRL | Qt::Key_W,        QKeyCombination(Qt::Key_F1), QKeyCombination(Qt::Key_F2),
    QKeyCombination(Qt::Key_F3),
};

QAction* item(QMenu* menu, const char* name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    // F1 and the rest belong to the quiz, never to a help or a role of Qt's.
    action->setMenuRole(QAction::NoRole);
    return action;
}

QMenu* menu(QMenuBar* bar, const char* name, const QString& caption)
{
    QMenu* m = bar->addMenu(caption);
    m->setObjectName(QString::fromLatin1(name));
    m->menuAction()->setObjectName(QString::fromLatin1(name));
    return m;
}

} // namespace

MenuBar::MenuBar(QMenuBar* bar)
{
    mnuGakushuu = menu(bar, "mnuGakushuu", QStringLiteral("学習(&G)"));
    for (int Index = 1; Index <= quiz::StudyModeCount; ++Index) {
        const quiz::StudyMode& mode = *quiz::studyModeRow(Index);
        QAction* action = item(mnuGakushuu, "mnuGakushuuMode",
                               QString::fromStdU16String(std::u16string(mode.ModeName)));
        action->setObjectName(QStringLiteral("mnuGakushuuMode%1").arg(Index));
        action->setShortcut(StudyModeShortcuts[static_cast<std::size_t>(Index - 1)]);
        mnuGakushuuMode[static_cast<std::size_t>(Index)] = action;
    }
    mnuGakushuu->addSeparator()->setObjectName(QStringLiteral("mnuGakushuusep"));
    mnuGakushuuEnd = item(mnuGakushuu, "mnuGakushuuEnd", QStringLiteral("終了(&X)"));

    // No access key: the "(K)" is plain text.
    mnuKoukaon = menu(bar, "mnuKoukaon", QStringLiteral("効果音(K)"));
    mnuKoukaonOn = item(mnuKoukaon, "mnuKoukaonOn", QStringLiteral("ON(&Y)"));
    mnuKoukaonOn->setCheckable(true);
    mnuKoukaonOff = item(mnuKoukaon, "mnuKoukaonOff", QStringLiteral("OFF(&N)"));
    mnuKoukaonOff->setCheckable(true);
    mnuKoukaonOff->setChecked(true);

    mnuHelp = menu(bar, "mnuHelp", QStringLiteral("ヘルプ(&H)"));
    mnuHelpYubimozihyou =
        item(mnuHelp, "mnuHelpYubimozihyou", QStringLiteral("指文字表（あ行～な行）(&Y)"));
    mnuHelpYubimozihyou2 =
        item(mnuHelp, "mnuHelpYubimozihyou2", QStringLiteral("指文字表（は行～わ行）(&H)"));
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep1"));
    mnuHelpAbout = item(mnuHelp, "mnuHelpAbout", QStringLiteral("バージョン情報(&A)"));
}

QList<QKeySequence> MenuBar::shortcuts() const
{
    QList<QKeySequence> keys;
    for (int Index = 1; Index <= quiz::StudyModeCount; ++Index)
        keys.append(mnuGakushuuMode[static_cast<std::size_t>(Index)]->shortcut());
    return keys;
}
