// The help menu's handlers and the program-wide window objects behind them:
// one object per window for the whole run, a window built afresh after each
// close, and an open chart brought forward rather than doubled.
#include "referenceforms.h"
#include "windowfixture.h"

#include <QPointer>
#include <QTest>

using reference_windows_test::closeEveryWindow;
using reference_windows_test::deleteClosedWindows;
using reference_windows_test::isActiveNow;
using reference_windows_test::openWindowsOf;

namespace {

enum class Form
{
    Hyou1,
    Hyou2,
    About,
};

void choose(Form form)
{
    switch (form) {
    case Form::Hyou1:
        mnuHelpYubimozihyou_Click();
        break;
    case Form::Hyou2:
        mnuHelpYubimozihyou2_Click();
        break;
    case Form::About:
        mnuHelpAbout_Click();
        break;
    }
}

const void* objectOf(Form form)
{
    switch (form) {
    case Form::Hyou1:
        return &frmHyou1Object();
    case Form::Hyou2:
        return &frmHyou2Object();
    case Form::About:
        return &frmAboutObject();
    }
    return nullptr;
}

QWidget* loadedWindow(Form form)
{
    switch (form) {
    case Form::Hyou1:
        return frmHyou1Object().window();
    case Form::Hyou2:
        return frmHyou2Object().window();
    case Form::About:
        return frmAboutObject().window();
    }
    return nullptr;
}

int openWindows(Form form)
{
    switch (form) {
    case Form::Hyou1:
        return openWindowsOf<frmHyou1>();
    case Form::Hyou2:
        return openWindowsOf<frmHyou2>();
    case Form::About:
        return openWindowsOf<frmAbout>();
    }
    return -1;
}

} // namespace

Q_DECLARE_METATYPE(Form)

class tst_ReferenceForms : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { closeEveryWindow(); }

    void oneObjectWindowRebuilt_data();
    void oneObjectWindowRebuilt();
    void openChartComesForward_data();
    void openChartComesForward();
    void bothChartsOpenTogether();
};

void tst_ReferenceForms::oneObjectWindowRebuilt_data()
{
    QTest::addColumn<Form>("form");
    QTest::addColumn<Qt::WindowModality>("modality");

    QTest::newRow("frmHyou1") << Form::Hyou1 << Qt::NonModal;
    QTest::newRow("frmHyou2") << Form::Hyou2 << Qt::NonModal;
    QTest::newRow("frmAbout") << Form::About << Qt::ApplicationModal;
}

// Open, close, open: the same object each time, a new window from the
// definition each time, so neither a move nor anything else of the closed
// window survives.
void tst_ReferenceForms::oneObjectWindowRebuilt()
{
    QFETCH(Form, form);
    QFETCH(Qt::WindowModality, modality);

    const void* object = objectOf(form);
    QVERIFY(loadedWindow(form) == nullptr);

    choose(form);
    QPointer<QWidget> first = loadedWindow(form);
    QVERIFY(first != nullptr);
    QVERIFY(first->isVisible());
    QCOMPARE(first->windowModality(), modality);
    const QRect built = first->geometry();
    first->move(built.topLeft() + QPoint(150, 90));
    first->setProperty("touched", true);

    first->close();
    QVERIFY(loadedWindow(form) == nullptr);
    deleteClosedWindows();
    QVERIFY2(first.isNull(), "closing destroys the window");

    choose(form);
    QWidget* second = loadedWindow(form);
    QVERIFY(second != nullptr);
    QVERIFY(second->isVisible());
    QVERIFY(!second->property("touched").isValid());
    QCOMPARE(second->geometry(), built);
    QCOMPARE(second->windowModality(), modality);
    QCOMPARE(objectOf(form), object);
    QCOMPARE(openWindows(form), 1);
}

void tst_ReferenceForms::openChartComesForward_data()
{
    QTest::addColumn<Form>("form");

    QTest::newRow("frmHyou1") << Form::Hyou1;
    QTest::newRow("frmHyou2") << Form::Hyou2;
}

// Choosing the item of an open chart activates that same window, even after
// the learner has gone back to another one, and makes no second window.
void tst_ReferenceForms::openChartComesForward()
{
    QFETCH(Form, form);

    QWidget quiz;
    quiz.setWindowTitle(QStringLiteral("quiz stand-in"));
    quiz.show();

    choose(form);
    QPointer<QWidget> chart = loadedWindow(form);
    QVERIFY(chart != nullptr);

    quiz.activateWindow();
    QVERIFY(isActiveNow(&quiz));
    QVERIFY(!chart->isActiveWindow());

    choose(form);
    QCOMPARE(loadedWindow(form), chart.data());
    QCOMPARE(openWindows(form), 1);
    QVERIFY(isActiveNow(chart));
}

// The two charts open side by side, in the same place, the last one on top.
void tst_ReferenceForms::bothChartsOpenTogether()
{
    mnuHelpYubimozihyou_Click();
    mnuHelpYubimozihyou2_Click();

    QWidget* first = frmHyou1Object().window();
    QWidget* second = frmHyou2Object().window();
    QVERIFY(first != nullptr && second != nullptr);
    QVERIFY(first->isVisible() && second->isVisible());
    QCOMPARE(first->pos(), second->pos());
    QVERIFY(isActiveNow(second));
}

QTEST_MAIN(tst_ReferenceForms)
#include "referenceforms_test.moc"
