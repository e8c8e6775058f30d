// Opening and closing the charts and the about window hundreds of times from
// the quiz window's help menu: every close destroys the window with all its
// controls, so the number of widgets and windows comes back to where it
// started. Resident memory before and after is printed, not judged.
#include "frmmain.h"
#include "referenceforms.h"
#include "userinput.h"

#include <QAction>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

namespace {

using robustness::clickOn;
using robustness::closeBox;
using robustness::pressKey;
using robustness::settle;

constexpr int Rounds = 300;

enum class Target
{
    Chart1,
    Chart2,
    About,
};

enum class Closing
{
    CloseBox,
    Ok,
    Enter,
};

struct Census
{
    qsizetype topLevels;
    qsizetype widgets;
    qsizetype windows;
    qsizetype children;
};

Census census()
{
    return {QApplication::topLevelWidgets().size(), QApplication::allWidgets().size(),
            QGuiApplication::allWindows().size(), qApp->children().size()};
}

long residentKiB()
{
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

long peakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

QWidget* loaded(Target target)
{
    switch (target) {
    case Target::Chart1:
        return frmHyou1Object().window();
    case Target::Chart2:
        return frmHyou2Object().window();
    case Target::About:
        return frmAboutObject().window();
    }
    return nullptr;
}

} // namespace

Q_DECLARE_METATYPE(Target)
Q_DECLARE_METATYPE(Closing)

class WindowChurnTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_window = new frmMain(m_player);
        m_window->Form_Load();
        m_window->show();
        QVERIFY(robustness::activate(m_window));
    }
    void cleanup()
    {
        QApplication::closeAllWindows();
        delete m_window.data();
        settle();
    }

    void churnLeavesNothingBehind_data()
    {
        QTest::addColumn<QList<Target>>("targets");
        QTest::addColumn<Closing>("closing");
        QTest::newRow("あ行～な行 chart, close box") << QList{Target::Chart1} << Closing::CloseBox;
        QTest::newRow("は行～わ行 chart, close box") << QList{Target::Chart2} << Closing::CloseBox;
        QTest::newRow("about, OK") << QList{Target::About} << Closing::Ok;
        QTest::newRow("about, Enter") << QList{Target::About} << Closing::Enter;
        QTest::newRow("about, close box") << QList{Target::About} << Closing::CloseBox;
        QTest::newRow("both charts open together, then about")
            << QList{Target::Chart1, Target::Chart2, Target::About} << Closing::CloseBox;
    }
    void churnLeavesNothingBehind()
    {
        QFETCH(QList<Target>, targets);
        QFETCH(Closing, closing);

        // One round first: fonts, styles and pixmap caches are made once per
        // process, and they are no growth.
        round(targets, closing);
        if (QTest::currentTestFailed())
            return;
        const Census before = census();
        const long residentBefore = residentKiB();
        const long peakBefore = peakKiB();

        for (int i = 0; i < Rounds && !QTest::currentTestFailed(); ++i)
            round(targets, closing);
        if (QTest::currentTestFailed())
            return;

        const Census after = census();
        QCOMPARE(after.topLevels, before.topLevels);
        QCOMPARE(after.widgets, before.widgets);
        QCOMPARE(after.windows, before.windows);
        QCOMPARE(after.children, before.children);
        std::printf("memory %s: resident %ld -> %ld KiB, peak %ld -> %ld KiB over %d rounds\n",
                    QTest::currentDataTag(), residentBefore, residentKiB(), peakBefore, peakKiB(),
                    Rounds);
    }

private:
    QAction* helpItem(Target target) const
    {
        const MenuBar& menus = m_window->menus();
        switch (target) {
        case Target::Chart1:
            return menus.mnuHelpYubimozihyou;
        case Target::Chart2:
            return menus.mnuHelpYubimozihyou2;
        case Target::About:
            return menus.mnuHelpAbout;
        }
        return nullptr;
    }

    // Opens each target from the help menu, then closes them in the same
    // order; a closed window is gone, not hidden, and the next choice builds
    // a new one.
    void round(const QList<Target>& targets, Closing closing)
    {
        QList<QPointer<QWidget>> opened;
        for (const Target target : targets) {
            helpItem(target)->trigger();
            QCoreApplication::processEvents();
            QWidget* window = loaded(target);
            QVERIFY(window != nullptr);
            QVERIFY(window->isVisible());
            opened.append(window);
        }
        // The about window, if any, is the last opened: it blocks the
        // charts' close boxes until it is gone.
        for (qsizetype i = opened.size() - 1; i >= 0; --i) {
            QWidget* window = opened[i];
            if (targets[i] == Target::About && closing == Closing::Ok)
                clickOn(window->findChild<QPushButton*>(QStringLiteral("Command1")));
            else if (targets[i] == Target::About && closing == Closing::Enter)
                pressKey(window, Qt::Key_Return);
            else
                closeBox(window);
            settle();
            QVERIFY(opened[i].isNull());
            QVERIFY(loaded(targets[i]) == nullptr);
        }
    }

    platform::SoundPlayer m_player;
    QPointer<frmMain> m_window;
};

QTEST_MAIN(WindowChurnTest)
#include "windowchurn_test.moc"
