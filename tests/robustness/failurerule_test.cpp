// An error that escapes a handler shows one message box with the error's text
// and ends the program with exit status 1, whatever kind of event carried it.
// The program under test is failurerule_helper, run as a child process.
#include <QProcess>
#include <QTest>

class FailureRuleTest : public QObject
{
    Q_OBJECT

private slots:
    void errorShowsOneMessageAndEnds_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<QString>("error");
        QTest::newRow("timer handler") << "timer" << QStringLiteral("タイマーで失敗しました");
        QTest::newRow("button click") << "click" << QStringLiteral("入力の処理で失敗しました");
        QTest::newRow("key handler") << "key" << QStringLiteral("キーの処理で失敗しました");
        QTest::newRow("not a std::exception")
            << "not-std" << QStringLiteral("不明なエラーが発生しました。");
        QTest::newRow("before the event loop")
            << "start-up" << QStringLiteral("起動で失敗しました");
        QTest::newRow("before the event loop, not a std::exception")
            << "start-up-not-std" << QStringLiteral("不明なエラーが発生しました。");
        QTest::newRow("second error while the message shows")
            << "second-error" << QStringLiteral("最初に失敗しました");
    }
    void errorShowsOneMessageAndEnds()
    {
        QFETCH(QString, scenario);
        QFETCH(QString, error);

        QProcess helper;
        helper.start(QStringLiteral(FAILURERULE_HELPER), {scenario});
        QVERIFY2(helper.waitForStarted(), qPrintable(helper.errorString()));
        // A generous bound that only a hang reaches.
        if (!helper.waitForFinished(120000)) {
            helper.kill();
            helper.waitForFinished();
            QFAIL("the program did not end");
        }
        const QString out = QString::fromUtf8(helper.readAllStandardOutput());
        const QByteArray err = helper.readAllStandardError();
        const QByteArray both = out.toUtf8() + "\n--- stderr ---\n" + err;

        QVERIFY2(helper.exitStatus() == QProcess::NormalExit, both.constData());
        QVERIFY2(helper.exitCode() == 1, both.constData());
        QVERIFY2(out.count(QStringLiteral("message: ")) == 1, both.constData());
        QVERIFY2(out.contains(QStringLiteral("message boxes: 1\n")), both.constData());
        QVERIFY2(out.contains(error), both.constData());
        QVERIFY2(!out.contains(QStringLiteral("event loop returned")), both.constData());
    }
};

QTEST_GUILESS_MAIN(FailureRuleTest)
#include "failurerule_test.moc"
