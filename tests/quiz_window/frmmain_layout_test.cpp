// The quiz window as it is built: places, fonts, colours, captions and the
// menu bar, and what the first display shows.
#include "decimaltext.h"
#include "frmmain.h"
#include "picturebox.h"

#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace {

QString expectedFamily()
{
    return QFontDatabase::hasFamily(QStringLiteral("ＭＳ Ｐゴシック"))
               ? QStringLiteral("ＭＳ Ｐゴシック")
               : QStringLiteral("IPAPGothic");
}

} // namespace

class FrmMainLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_window = new frmMain(m_player);
        m_window->setAttribute(Qt::WA_DeleteOnClose);
        m_window->Form_Load();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }
    void cleanup() { delete m_window; }

    void window()
    {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Velumo手話学習"));
        QCOMPARE(m_window->centralWidget()->size(), QSize(387, 297));
        QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
        const Qt::WindowFlags flags = m_window->windowFlags();
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QCOMPARE(m_window->palette().color(QPalette::Window), QColor(153, 204, 255));
        QVERIFY(!m_window->windowIcon().isNull());
        QCOMPARE(m_window->windowIcon().pixmap(32, 32).size(), QSize(32, 32));
        // The client area, below the menu bar, opens at its stored place.
        QCOMPARE(m_window->centralWidget()->mapToGlobal(QPoint(0, 0)), QPoint(114, 276));
    }

    // The menu bar belongs to the platform's frame: it keeps the style's own
    // colours, painted as a menu bar outside the light-blue window paints.
    void menuBarInPlatformColours()
    {
        QMenuBar* bar = m_window->menuBar();
        const QPalette platform = QApplication::palette(bar);
        for (const auto role :
             {QPalette::Window, QPalette::Button, QPalette::WindowText, QPalette::ButtonText}) {
            QVERIFY(bar->palette().color(role) != QColor(153, 204, 255));
            QCOMPARE(bar->palette().color(role), platform.color(role));
        }

        QMenuBar alone;
        alone.addMenu(QStringLiteral("学習(&G)"));
        alone.resize(bar->size());
        // Right of the last title, where only the background shows.
        const QPoint empty(bar->width() - 4, bar->height() / 2);
        const QColor drawn = bar->grab().toImage().pixelColor(empty);
        QVERIFY(drawn != QColor(153, 204, 255));
        QCOMPARE(drawn, alone.grab().toImage().pixelColor(empty));
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<qreal>("pointSize");
        QTest::addColumn<bool>("bold");
        QTest::newRow("lblnum") << "lblnum" << QRect(24, 8, 65, 17) << 12.0 << true;
        QTest::newRow("imgPiece0") << "imgPiece0" << QRect(8, 32, 256, 192) << 0.0 << false;
        QTest::newRow("lblPiece0") << "lblPiece0" << QRect(8, 232, 6, 12) << 9.0 << true;
        QTest::newRow("lblPiece1") << "lblPiece1" << QRect(8, 248, 6, 12) << 9.0 << true;
        QTest::newRow("txtMain") << "txtMain" << QRect(24, 264, 121, 25) << 12.0 << false;
        QTest::newRow("cmdGo") << "cmdGo" << QRect(160, 264, 57, 25) << 9.0 << false;
        QTest::newRow("lblMode") << "lblMode" << QRect(280, 40, 7, 16) << 12.0 << true;
        QTest::newRow("lblSeiseki") << "lblSeiseki" << QRect(280, 64, 7, 16) << 12.0 << true;
        QTest::newRow("lblTensuu") << "lblTensuu" << QRect(280, 104, 8, 19) << 14.25 << true;
    }
    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(qreal, pointSize);
        QFETCH(bool, bold);
        auto* control = m_window->findChild<QWidget*>(name);
        QVERIFY(control);
        if (name == QLatin1String("lblPiece1")) {
            // The instruction is written before the first display; it has grown
            // to the right from its fixed corner.
            QCOMPARE(control->pos(), geometry.topLeft());
            QCOMPARE(control->size(), control->sizeHint());
            QVERIFY(control->width() > 100);
        } else {
            QCOMPARE(control->geometry(), geometry);
        }
        if (pointSize > 0) {
            QCOMPARE(control->font().pointSizeF(), pointSize);
            QCOMPARE(control->font().bold(), bold);
            QCOMPARE(QFontInfo(control->font()).family(), expectedFamily());
        }
        if (name == QLatin1String("imgPiece0"))
            QCOMPARE(control->focusPolicy(), Qt::NoFocus);
        if (auto* label = qobject_cast<QLabel*>(control)) {
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
            QVERIFY(label->autoFillBackground());
            QCOMPARE(label->palette().color(QPalette::Window), QColor(153, 204, 255));
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 255, 255));
            QCOMPARE(label->wordWrap(), false);
            QVERIFY(label->alignment() & Qt::AlignLeft);
        }
    }

    void firstDisplay()
    {
        const QStringList labels = {"lblPiece0", "lblMode", "lblnum", "lblSeiseki", "lblTensuu"};
        for (const QString& name : labels)
            QVERIFY2(m_window->findChild<QLabel*>(name)->text().isEmpty(), qPrintable(name));
        QCOMPARE(m_window->findChild<QLabel*>("lblPiece1")->text(),
                 QStringLiteral("学習する内容を選択してください。"));
        QVERIFY(m_window->findChild<platform::PictureBox*>("imgPiece0")->picture().isNull());
        auto* txtMain = m_window->findChild<QLineEdit*>("txtMain");
        QVERIFY(txtMain->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), txtMain);
        QCOMPARE(m_window->findChild<QPushButton*>("cmdGo")->text(), QStringLiteral("入力"));
        QCOMPARE(m_window->state().QuizActive, 0);
        QCOMPARE(m_window->state().QuestionNumber, 0);
    }

    // Every menu and item in its order, with its caption, shortcut and check
    // mark; "-" is a separator.
    void menuBar()
    {
        struct Row
        {
            QString caption;
            QKeySequence shortcut;
            bool checked;
        };
        const QList<QPair<QString, QList<Row>>> expected = {
            {"学習(&G)",
             {{"あ行", QKeySequence("Ctrl+A"), false},
              {"か行", QKeySequence("Ctrl+K"), false},
              {"さ行", QKeySequence("Ctrl+S"), false},
              {"た行", QKeySequence("Ctrl+T"), false},
              {"な行", QKeySequence("Ctrl+N"), false},
              {"は行", QKeySequence("Ctrl+H"), false},
              {"ま行", QKeySequence("Ctrl+M"), false},
              {"や行", QKeySequence("Ctrl+Y"), false},
              {"ら行", QKeySequence("Ctrl+R"), false},
              {"わ行", QKeySequence("Ctrl+W"), false},
              {QString::fromUtf16(u"あ行\uFF5Eな行"), QKeySequence("F1"), false},
              {QString::fromUtf16(u"は行\uFF5Eわ行"), QKeySequence("F2"), false},
              {QString::fromUtf16(u"あ行\uFF5Eわ行"), QKeySequence("F3"), false},
              {"-", {}, false},
              {"終了(&X)", {}, false}}},
            {"効果音(K)", {{"ON(&Y)", {}, false}, {"OFF(&N)", {}, true}}},
            {QStringLiteral("ヘルプ(&H)"),
             {{QString::fromUtf16(u"指文字表\uFF08あ行\uFF5Eな行\uFF09(&Y)"), {}, false},
              {QString::fromUtf16(u"指文字表\uFF08は行\uFF5Eわ行\uFF09(&H)"), {}, false},
              {"-", {}, false},
              {"バージョン情報(&A)", {}, false}}},
        };
        const QList<QAction*> menus = m_window->menuBar()->actions();
        QCOMPARE(menus.size(), expected.size());
        for (qsizetype m = 0; m < menus.size(); ++m) {
            QCOMPARE(menus[m]->text(), expected[m].first);
            const QList<QAction*> items = menus[m]->menu()->actions();
            QCOMPARE(items.size(), expected[m].second.size());
            for (qsizetype i = 0; i < items.size(); ++i) {
                const Row& row = expected[m].second[i];
                const QString where = expected[m].first + QLatin1Char('/') + row.caption;
                if (row.caption == QLatin1String("-")) {
                    QVERIFY2(items[i]->isSeparator(), qPrintable(where));
                    continue;
                }
                QCOMPARE(items[i]->text(), row.caption);
                QCOMPARE(items[i]->shortcut(), row.shortcut);
                QCOMPARE(items[i]->isChecked(), row.checked);
                QVERIFY2(items[i]->isEnabled() && items[i]->isVisible(), qPrintable(where));
            }
        }
    }

    void labelsSizeToTheirText()
    {
        m_window->mnuGakushuuMode_Click(13);
        auto* lblMode = m_window->findChild<QLabel*>("lblMode");
        QCOMPARE(lblMode->pos(), QPoint(280, 40));
        QVERIFY(lblMode->width() > 40);
        QCOMPARE(lblMode->height(), lblMode->sizeHint().height());
        // The question line keeps its size.
        QCOMPARE(m_window->findChild<QLabel*>("lblnum")->size(), QSize(65, 17));
        // Emptied again, a self-sizing label returns to its empty size.
        auto* lblPiece0 = m_window->findChild<QLabel*>("lblPiece0");
        QTest::keyClick(m_window->findChild<QLineEdit*>("txtMain"), Qt::Key_Return);
        QVERIFY(lblPiece0->width() > 6);
        m_window->mnuGakushuuMode_Click(1);
        QCOMPARE(lblPiece0->geometry(), QRect(8, 232, 6, 12));
    }

    void questionShowsItsPictureFromTheStore()
    {
        m_window->mnuGakushuuMode_Click(13);
        auto* imgPiece = m_window->findChild<platform::PictureBox*>("imgPiece0");
        for (int n = 1; n <= 10; ++n) {
            const int k =
                quiz::decimalValue(m_window->state().QuestionList[static_cast<std::size_t>(n - 1)]);
            // The committed drawing of picture k - 1, read from the source
            // tree and not through the window's store or its resource names.
            const QString file =
                QStringLiteral(VELUMO_HANDS_DIR "/%1.bmp").arg(k - 1, 2, 10, QLatin1Char('0'));
            const QImage committed(file);
            QVERIFY2(!committed.isNull(), qPrintable(file));
            QCOMPARE(imgPiece->picture().size(), QSize(256, 192));
            QCOMPARE(imgPiece->picture().convertToFormat(QImage::Format_RGB32),
                     committed.convertToFormat(QImage::Format_RGB32));
            // Handed over from the store, not decoded anew.
            QCOMPARE(imgPiece->picture().cacheKey(), m_window->imgTenzi(k - 1).cacheKey());
            m_window->cmdGo_Click();
        }
    }

    void closingGoesAtOnce()
    {
        QPointer<frmMain> window = m_window;
        m_window->mnuGakushuuMode_Click(1);
        m_window->menus().mnuGakushuuEnd->trigger();
        QTRY_VERIFY(window.isNull());
        // Nothing is asked, and no window is left.
        QVERIFY(!QApplication::activeModalWidget());
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
        m_window = nullptr;
    }

private:
    platform::SoundPlayer m_player;
    frmMain* m_window = nullptr;
};

QTEST_MAIN(FrmMainLayoutTest)
#include "frmmain_layout_test.moc"
