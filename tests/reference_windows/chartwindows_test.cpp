// The two charts as built from their definitions: frame, place, and every
// cell's picture and kana.
#include "frmhyou1.h"
#include "frmhyou2.h"
#include "kanatable.h"
#include "pictures.h"
#include "windowfixture.h"

#include <QAccessible>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QSet>
#include <QTest>
#include <QWindow>

#include <memory>

namespace {

// The places the layout lists, in px, per column and per row.
constexpr int PictureLeft[] = {8, 144, 280, 416, 552};
constexpr int LabelLeft[] = {64, 200, 336, 472, 608};
constexpr int PictureTop[] = {8, 136, 264, 392, 520};
constexpr int LabelTop[] = {112, 240, 368, 496, 624};

std::unique_ptr<QWidget> makeChart(int chart)
{
    if (chart == 1)
        return std::make_unique<frmHyou1>();
    return std::make_unique<frmHyou2>();
}

QString expectedFamily()
{
    return QFontDatabase::families().contains(QStringLiteral("ＭＳ Ｐゴシック"))
               ? QStringLiteral("ＭＳ Ｐゴシック")
               : QStringLiteral("IPAPGothic");
}

} // namespace

class tst_ChartWindows : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { reference_windows_test::closeEveryWindow(); }

    void windowDefinition_data();
    void windowDefinition();
    void controlArrays_data();
    void controlArrays();
    void cell_data();
    void cell();
    void emptyCellsStayEmpty();
};

void tst_ChartWindows::windowDefinition_data()
{
    QTest::addColumn<int>("chart");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QSize>("clientSize");

    QTest::newRow("frmHyou1") << 1 << QStringLiteral("指文字表\uFF08あ行\uFF5Eな行\uFF09")
                              << QSize(684, 652);
    QTest::newRow("frmHyou2") << 2 << QStringLiteral("指文字表\uFF08は行\uFF5Eわ行\uFF09")
                              << QSize(685, 646);
}

void tst_ChartWindows::windowDefinition()
{
    QFETCH(int, chart);
    QFETCH(QString, title);
    QFETCH(QSize, clientSize);

    const auto window = makeChart(chart);
    window->show();

    QCOMPARE(window->windowTitle(), title);
    QCOMPARE(window->geometry(), QRect(QPoint(332, 60), clientSize));
    QCOMPARE(window->minimumSize(), clientSize);
    QCOMPARE(window->maximumSize(), clientSize);

    const Qt::WindowFlags flags = window->windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Window);
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));

    // No owner: the chart must not stay above the quiz window.
    QVERIFY(window->parentWidget() == nullptr);
    QVERIFY(window->windowHandle()->transientParent() == nullptr);

    const QPalette palette = window->palette();
    QCOMPARE(palette.color(QPalette::Window), QColor(153, 204, 255));
    QVERIFY(window->autoFillBackground());
    QCOMPARE(window->windowIcon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_RGB32),
             QImage(assets::icon()).convertToFormat(QImage::Format_RGB32));

    // Nothing in a chart can take the focus.
    for (const QWidget* child : window->findChildren<QWidget*>())
        QCOMPARE(child->focusPolicy(), Qt::NoFocus);

    // A window to a screen reader, named by its title.
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(window.get());
    QVERIFY(accessible != nullptr);
    QCOMPARE(accessible->role(), QAccessible::Window);
    QCOMPARE(accessible->text(QAccessible::Name), title);
}

void tst_ChartWindows::controlArrays_data()
{
    QTest::addColumn<int>("chart");
    QTest::addColumn<QList<int>>("images");
    QTest::addColumn<QList<int>>("labels");

    QList<int> upTo24;
    for (int i = 0; i <= 24; ++i)
        upTo24 << i;
    QList<int> upTo20 = upTo24.mid(0, 21);
    // frmHyou2 numbers its labels 0 to 4 and 6 to 21: there is no Label1(5).
    QList<int> withoutFive = upTo24.mid(0, 22);
    withoutFive.removeOne(5);

    QTest::newRow("frmHyou1") << 1 << upTo24 << upTo24;
    QTest::newRow("frmHyou2") << 2 << upTo20 << withoutFive;
}

// Exactly the members the definitions give, and nothing besides them.
void tst_ChartWindows::controlArrays()
{
    QFETCH(int, chart);
    QFETCH(QList<int>, images);
    QFETCH(QList<int>, labels);

    const auto window = makeChart(chart);

    QSet<QString> expected;
    for (int i : images)
        expected << QStringLiteral("Image1_%1").arg(i);
    for (int i : labels)
        expected << QStringLiteral("Label1_%1").arg(i);

    QSet<QString> found;
    for (const QWidget* child : window->findChildren<QWidget*>())
        found << child->objectName();
    QCOMPARE(found, expected);
    QCOMPARE(window->findChildren<QWidget*>().size(), images.size() + labels.size());
}

void tst_ChartWindows::cell_data()
{
    QTest::addColumn<int>("chart");
    QTest::addColumn<QString>("kana");
    QTest::addColumn<int>("kanaNumber");
    QTest::addColumn<int>("image");
    QTest::addColumn<int>("label");
    QTest::addColumn<QPoint>("picturePlace");
    QTest::addColumn<QPoint>("labelPlace");

    struct Row
    {
        int chart;
        const char16_t* kana;
        int kanaNumber, row, column, image, label;
    };
    // clang-format off
    static constexpr Row Rows[] = {
        {1, u"あ",  1, 0, 0,  0,  0}, {1, u"い",  2, 0, 1,  1,  1}, {1, u"う",  3, 0, 2,  2,  2},
        {1, u"え",  4, 0, 3,  3,  3}, {1, u"お",  5, 0, 4,  4,  4}, {1, u"か",  6, 1, 0,  5,  5},
        {1, u"き",  7, 1, 1,  6,  6}, {1, u"く",  8, 1, 2,  7,  7}, {1, u"け",  9, 1, 3,  8,  8},
        {1, u"こ", 10, 1, 4,  9,  9}, {1, u"さ", 11, 2, 0, 10, 10}, {1, u"し", 12, 2, 1, 11, 11},
        {1, u"す", 13, 2, 2, 12, 12}, {1, u"せ", 14, 2, 3, 13, 13}, {1, u"そ", 15, 2, 4, 14, 14},
        {1, u"た", 16, 3, 0, 15, 15}, {1, u"ち", 17, 3, 1, 16, 16}, {1, u"つ", 18, 3, 2, 17, 17},
        {1, u"て", 19, 3, 3, 18, 18}, {1, u"と", 20, 3, 4, 19, 19}, {1, u"な", 21, 4, 0, 20, 20},
        {1, u"に", 22, 4, 1, 21, 21}, {1, u"ぬ", 23, 4, 2, 22, 22}, {1, u"ね", 24, 4, 3, 23, 23},
        {1, u"の", 25, 4, 4, 24, 24},
        {2, u"は", 26, 0, 0,  0,  0}, {2, u"ひ", 27, 0, 1,  1,  1}, {2, u"ふ", 28, 0, 2,  2,  2},
        {2, u"へ", 29, 0, 3,  3,  3}, {2, u"ほ", 30, 0, 4,  4,  4}, {2, u"ま", 31, 1, 0,  5, 10},
        {2, u"み", 32, 1, 1,  6,  9}, {2, u"む", 33, 1, 2,  7,  8}, {2, u"め", 34, 1, 3,  8,  7},
        {2, u"も", 35, 1, 4,  9,  6}, {2, u"や", 36, 2, 0, 10, 15}, {2, u"ゆ", 37, 2, 2, 11, 14},
        {2, u"よ", 38, 2, 4, 12, 13}, {2, u"ら", 39, 3, 0, 13, 12}, {2, u"り", 40, 3, 1, 14, 11},
        {2, u"る", 41, 3, 2, 15, 20}, {2, u"れ", 42, 3, 3, 16, 19}, {2, u"ろ", 43, 3, 4, 17, 18},
        {2, u"わ", 44, 4, 0, 18, 17}, {2, u"を", 45, 4, 2, 19, 16}, {2, u"ん", 46, 4, 4, 20, 21},
    };
    // clang-format on

    for (const Row& r : Rows) {
        QPoint picture(PictureLeft[r.column], PictureTop[r.row]);
        QPoint label(LabelLeft[r.column], LabelTop[r.row]);
        // The two cells that stand off the grid.
        if (r.kanaNumber == 18) // つ: only its label, 8 px right
            label.setX(344);
        if (r.kanaNumber == 45) { // を: picture and label 8 px left
            picture.setX(272);
            label.setX(328);
        }
        const QString kana = QString::fromUtf16(r.kana);
        QTest::addRow("frmHyou%d %s (%d)", r.chart, qPrintable(kana), r.kanaNumber)
            << r.chart << kana << r.kanaNumber << r.image << r.label << picture << label;
    }
}

void tst_ChartWindows::cell()
{
    QFETCH(int, chart);
    QFETCH(QString, kana);
    QFETCH(int, kanaNumber);
    QFETCH(int, image);
    QFETCH(int, label);
    QFETCH(QPoint, picturePlace);
    QFETCH(QPoint, labelPlace);

    // The kana is the quiz's reading of that KanaNumber, so the picture above
    // it is the one the quiz asks about for it.
    QCOMPARE(kana, QString::fromStdU16String(std::u16string(
                       quiz::KanaReadingTable[static_cast<size_t>(kanaNumber - 1)])));

    const auto window = makeChart(chart);

    const auto* picture = window->findChild<QLabel*>(QStringLiteral("Image1_%1").arg(image));
    QVERIFY(picture != nullptr);
    QCOMPARE(picture->geometry(), QRect(picturePlace, QSize(128, 96)));
    QVERIFY(!picture->hasScaledContents());
    const QImage shown = picture->pixmap().toImage();
    QCOMPARE(shown.size(), QSize(128, 96));
    QCOMPARE(shown.convertToFormat(QImage::Format_RGB32),
             QImage(assets::halfPicture(kanaNumber - 1)).convertToFormat(QImage::Format_RGB32));

    const auto* text = window->findChild<QLabel*>(QStringLiteral("Label1_%1").arg(label));
    QVERIFY(text != nullptr);
    QCOMPARE(text->text(), kana);
    QCOMPARE(text->pos(), labelPlace);
    // Sized to its text, from its fixed corner.
    QCOMPARE(text->size(), text->sizeHint());
    QCOMPARE(text->font().pointSizeF(), 12.0);
    QVERIFY(text->font().bold());
    QCOMPARE(QFontInfo(text->font()).family(), expectedFamily());
    QCOMPARE(text->palette().color(QPalette::WindowText), QColor(Qt::white));
    QCOMPARE(text->palette().color(QPalette::Window), QColor(153, 204, 255));
    QVERIFY(text->autoFillBackground());
}

// や行 and わ行 have no kana in columns 1 and 3: nothing may stand there.
void tst_ChartWindows::emptyCellsStayEmpty()
{
    const frmHyou2 window;
    for (const int row : {2, 4}) {
        for (const int column : {1, 3}) {
            // From the picture's top to the bottom of the kana under it.
            const QRect cell(QPoint(PictureLeft[column], PictureTop[row]),
                             QPoint(PictureLeft[column] + 127, LabelTop[row] + 15));
            for (const QWidget* child : window.findChildren<QWidget*>())
                QVERIFY2(!child->geometry().intersects(cell), qPrintable(child->objectName()));
        }
    }
}

QTEST_MAIN(tst_ChartWindows)
#include "chartwindows_test.moc"
