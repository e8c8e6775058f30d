// The quiz played from the keyboard: the study-mode shortcuts while the answer
// box has the focus, Enter as 入力, Tab, and an input method's composition.
#include "frmmain.h"
#include "mypath.h"

#include <QAction>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace {

// Types text as key presses that carry it; QTest::keyClicks knows only ASCII.
void type(QWidget* widget, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

} // namespace

class FrmMainKeyboardTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_window = new frmMain(m_player);
        m_window->Form_Load();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        m_txtMain = m_window->findChild<QLineEdit*>("txtMain");
        QCOMPARE(QApplication::focusWidget(), m_txtMain);
    }
    void cleanup() { delete m_window; }

    // Each shortcut chooses its mode while the answer box has the focus and
    // leaves the box's text alone: QLineEdit would take Ctrl+A as select-all,
    // Ctrl+H as backspace and Ctrl+Y as redo.
    void shortcutsChooseTheirModeFromTheAnswerBox_data()
    {
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<QString>("mode");
        QTest::newRow("Ctrl+A") << (Qt::CTRL | Qt::Key_A) << "あ行";
        QTest::newRow("Ctrl+K") << (Qt::CTRL | Qt::Key_K) << "か行";
        QTest::newRow("Ctrl+S") << (Qt::CTRL | Qt::Key_S) << "さ行";
        QTest::newRow("Ctrl+T") << (Qt::CTRL | Qt::Key_T) << "た行";
        QTest::newRow("Ctrl+N") << (Qt::CTRL | Qt::Key_N) << "な行";
        QTest::newRow("Ctrl+H") << (Qt::CTRL | Qt::Key_H) << "は行";
        QTest::newRow("Ctrl+M") << (Qt::CTRL | Qt::Key_M) << "ま行";
        QTest::newRow("Ctrl+Y") << (Qt::CTRL | Qt::Key_Y) << "や行";
        QTest::newRow("Ctrl+R") << (Qt::CTRL | Qt::Key_R) << "ら行";
        QTest::newRow("Ctrl+W") << (Qt::CTRL | Qt::Key_W) << "わ行";
        QTest::newRow("F1") << QKeyCombination(Qt::Key_F1) << QString::fromUtf16(u"あ行\uFF5Eな行");
        QTest::newRow("F2") << QKeyCombination(Qt::Key_F2) << QString::fromUtf16(u"は行\uFF5Eわ行");
        QTest::newRow("F3") << QKeyCombination(Qt::Key_F3) << QString::fromUtf16(u"あ行\uFF5Eわ行");
    }
    void shortcutsChooseTheirModeFromTheAnswerBox()
    {
        QFETCH(QKeyCombination, key);
        QFETCH(QString, mode);
        type(m_txtMain, QStringLiteral("あいう"));
        m_txtMain->setCursorPosition(2);
        QTest::keyClick(m_txtMain, key.key(), key.keyboardModifiers());
        QCOMPARE(m_window->findChild<QLabel*>("lblMode")->text(), mode);
        QCOMPARE(QString::fromStdU16String(m_window->state().ModeName), mode);
        QCOMPARE(m_window->state().QuizActive, 1);
        QCOMPARE(m_txtMain->text(), QStringLiteral("あいう"));
        QVERIFY(!m_txtMain->hasSelectedText());
        QCOMPARE(QApplication::focusWidget(), m_txtMain);
    }

    // A whole run answered from the keyboard alone, the focus staying in the
    // answer box: right answers typed in, one empty answer, the score at the end.
    void wholeRunByKeyboard()
    {
        QTest::keyClick(m_txtMain, Qt::Key_F3);
        for (int n = 1; n <= 10; ++n) {
            QCOMPARE(m_window->findChild<QLabel*>("lblnum")->text(),
                     QStringLiteral("第 %1 問").arg(n));
            const auto& s = m_window->state();
            const auto k =
                std::stoi(std::string(s.QuestionList[static_cast<std::size_t>(n - 1)].begin(),
                                      s.QuestionList[static_cast<std::size_t>(n - 1)].end()));
            if (n != 4)
                type(m_txtMain,
                     QString::fromStdU16String(s.KanaReadings[static_cast<std::size_t>(k - 1)]));
            QTest::keyClick(m_txtMain, n % 2 ? Qt::Key_Return : Qt::Key_Enter);
            QCOMPARE(m_window->findChild<QLabel*>("lblSeiseki")->text(),
                     QStringLiteral("正解数 %1/%2").arg(n < 4 ? n : n - 1).arg(n));
            QCOMPARE(QApplication::focusWidget(), m_txtMain);
            QVERIFY(m_txtMain->text().isEmpty());
        }
        QCOMPARE(m_window->findChild<QLabel*>("lblTensuu")->text(), QStringLiteral("90点"));
        QCOMPARE(m_window->findChild<QLabel*>("lblPiece1")->text(),
                 QStringLiteral("学習する内容を選択してください。"));
        // After the score, Enter changes nothing and keeps the typed text.
        type(m_txtMain, QStringLiteral("あ"));
        QTest::keyClick(m_txtMain, Qt::Key_Return);
        QCOMPARE(m_txtMain->text(), QStringLiteral("あ"));
        QCOMPARE(m_window->state().QuestionNumber, 11);
    }

    void enterPressesInputWhereverTheFocusIs()
    {
        QTest::keyClick(m_txtMain, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(m_txtMain, Qt::Key_Tab);
        auto* cmdGo = m_window->findChild<QPushButton*>("cmdGo");
        QCOMPARE(QApplication::focusWidget(), cmdGo);
        QTest::keyClick(cmdGo, Qt::Key_Return);
        QCOMPARE(m_window->state().QuestionNumber, 2);
        // The answer does not give the focus back to the box.
        QCOMPARE(QApplication::focusWidget(), cmdGo);
        QTest::keyClick(cmdGo, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), m_txtMain);
    }

    void enterBeforeAnyModeDoesNothing()
    {
        type(m_txtMain, QStringLiteral("あ"));
        QTest::keyClick(m_txtMain, Qt::Key_Return);
        QCOMPARE(m_txtMain->text(), QStringLiteral("あ"));
        QVERIFY(m_window->findChild<QLabel*>("lblPiece0")->text().isEmpty());
        QCOMPARE(m_window->state().QuestionNumber, 0);
    }

    // The Enter that ends a composition commits the text and judges nothing;
    // the next Enter answers with the committed text.
    void enterDuringCompositionOnlyCommits()
    {
        QTest::keyClick(m_txtMain, Qt::Key_A, Qt::ControlModifier);
        QInputMethodEvent preedit(QStringLiteral("あ"), {});
        QApplication::sendEvent(m_txtMain, &preedit);
        QTest::keyClick(m_txtMain, Qt::Key_Return);
        QCOMPARE(m_window->state().QuestionNumber, 1);
        QVERIFY(m_window->findChild<QLabel*>("lblPiece0")->text().isEmpty());

        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("あ"));
        QApplication::sendEvent(m_txtMain, &commit);
        QCOMPARE(m_txtMain->text(), QStringLiteral("あ"));
        QTest::keyClick(m_txtMain, Qt::Key_Return);
        QCOMPARE(m_window->state().QuestionNumber, 2);
    }

    // With the composition still in the box, an Enter judges nothing wherever
    // the focus is: Qt commits nothing when the menu bar takes the focus. A
    // cancelled composition leaves the box answering as before.
    void enterWhileComposingWhereverTheFocusIs_data()
    {
        QTest::addColumn<bool>("cancelled");
        QTest::newRow("composing") << false;
        QTest::newRow("composition cancelled") << true;
    }
    void enterWhileComposingWhereverTheFocusIs()
    {
        QFETCH(bool, cancelled);
        QTest::keyClick(m_txtMain, Qt::Key_A, Qt::ControlModifier);
        QInputMethodEvent preedit(QStringLiteral("あ"), {});
        QApplication::sendEvent(m_txtMain, &preedit);
        if (cancelled) {
            QInputMethodEvent cancel;
            QApplication::sendEvent(m_txtMain, &cancel);
        }
        QMenuBar* bar = m_window->menuBar();
        bar->setFocus(Qt::MenuBarFocusReason);
        QTest::keyClick(bar, Qt::Key_Return);
        const auto* verdict = m_window->findChild<QLabel*>("lblPiece0");
        if (cancelled) {
            QCOMPARE(m_window->state().QuestionNumber, 2);
            QVERIFY(verdict->text().startsWith(QStringLiteral("正解は「")));
        } else {
            QCOMPARE(m_window->state().QuestionNumber, 1);
            QVERIFY(verdict->text().isEmpty());
        }
    }

    // An answer given while a composition is open (a click on 入力 with the
    // focus out of the box) leaves no preedit drawn in the emptied box.
    void answerLeavesNoCompositionDrawn()
    {
        QApplication::setCursorFlashTime(0); // a steady cursor, for comparable pictures
        QTest::keyClick(m_txtMain, Qt::Key_A, Qt::ControlModifier);
        m_window->menuBar()->setFocus(Qt::MenuBarFocusReason);
        const QImage empty = m_txtMain->grab().toImage();
        QInputMethodEvent preedit(QStringLiteral("あ"), {});
        QApplication::sendEvent(m_txtMain, &preedit);
        QVERIFY(m_txtMain->grab().toImage() != empty);
        m_window->findChild<QPushButton*>("cmdGo")->click();
        QCOMPARE(m_window->state().QuestionNumber, 2);
        QCOMPARE(m_txtMain->grab().toImage(), empty);
    }

    // Alt with a letter types nothing, also where no menu owns the letter;
    // the answer typed next is judged on its own.
    void altLettersTypeNothing_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Alt+K") << Qt::Key_K;
        QTest::newRow("Alt+Q") << Qt::Key_Q;
        QTest::newRow("Alt+X") << Qt::Key_X;
        QTest::newRow("Alt+Y") << Qt::Key_Y;
        QTest::newRow("Alt+N") << Qt::Key_N;
    }
    void altLettersTypeNothing()
    {
        QFETCH(Qt::Key, key);
        QTest::keyClick(m_txtMain, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(m_txtMain, key, Qt::AltModifier);
        QVERIFY(m_txtMain->text().isEmpty());
        QVERIFY(!QApplication::activePopupWidget());
        const auto& s = m_window->state();
        const int k = std::stoi(std::string(s.QuestionList[0].begin(), s.QuestionList[0].end()));
        type(m_txtMain, QString::fromStdU16String(s.KanaReadings[static_cast<std::size_t>(k - 1)]));
        QTest::keyClick(m_txtMain, Qt::Key_Return);
        QCOMPARE(m_window->findChild<QLabel*>("lblPiece0")->text(), QStringLiteral("正解でした。"));
    }

    // Many characters at once, as an input method may commit them: no cap.
    void answerBoxTakesLongText()
    {
        const QString longText(40000, QChar(u'あ'));
        m_txtMain->setText(longText);
        QCOMPARE(m_txtMain->text().size(), longText.size());
    }

    void soundSwitch()
    {
        const auto& menus = m_window->menus();
        QVERIFY(!menus.mnuKoukaonOn->isChecked());
        QVERIFY(menus.mnuKoukaonOff->isChecked());
        m_window->mnuGakushuuMode_Click(13);
        type(m_txtMain, QStringLiteral("ん"));
        for (QAction* item : {menus.mnuKoukaonOn, menus.mnuKoukaonOn, menus.mnuKoukaonOff,
                              menus.mnuKoukaonOff, menus.mnuKoukaonOn}) {
            item->trigger();
            const bool on = item == menus.mnuKoukaonOn;
            QCOMPARE(menus.mnuKoukaonOn->isChecked(), on);
            QCOMPARE(menus.mnuKoukaonOff->isChecked(), !on);
        }
        // The run goes on as it was.
        QCOMPARE(m_window->state().QuestionNumber, 1);
        QCOMPARE(m_txtMain->text(), QStringLiteral("ん"));
        QCOMPARE(m_window->findChild<QLabel*>("lblSeiseki")->text(), QStringLiteral("正解数 0/0"));
    }

    void myPath_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no final separator") << "/opt/velumo"
                                            << "/opt/velumo/";
        QTest::newRow("final separator") << "/opt/velumo/"
                                         << "/opt/velumo/";
        QTest::newRow("root") << "/"
                              << "/";
        QTest::newRow("empty") << ""
                               << "/";
        QTest::newRow("backslash is no separator") << "/opt/a\\"
                                                   << "/opt/a\\/";
    }
    void myPath()
    {
        QFETCH(QString, folder);
        QFETCH(QString, expected);
        QCOMPARE(withFinalSeparator(folder), expected);
    }

    void myPathIsTheProgramsFolder()
    {
        QCOMPARE(frmMain::MyPath(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    }

private:
    platform::SoundPlayer m_player;
    frmMain* m_window = nullptr;
    QLineEdit* m_txtMain = nullptr;
};

QTEST_MAIN(FrmMainKeyboardTest)
#include "frmmain_keyboard_test.moc"
