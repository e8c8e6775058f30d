// Random sequences of everything a learner can do with the quiz window: study
// modes from the menu and by shortcut, answers of every kind typed, pasted or
// set, Enter and 入力, the sound switch, the charts and the modal about window,
// and 終了 at the end. After every event the window is compared with a small
// model of the quiz and checked against the run's invariants. RapidCheck
// shrinks a failing sequence to a short one and prints it.
#include "frmmain.h"
#include "picturebox.h"
#include "referenceforms.h"
#include "userinput.h"

#include <rapidcheck.h>

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <array>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using robustness::activate;
using robustness::clickAt;
using robustness::clickOn;
using robustness::closeBox;
using robustness::pressKey;
using robustness::settle;
using robustness::typeText;

// Our own copy of the readings and the study modes, so that a wrong table in
// the program shows up as a difference.
const QString Readings = QString::fromUtf16(u"あいうえおかきくけこさしすせそたちつてとなにぬねの"
                                            u"はひふへほまみむめもやゆよらりるれろわをん");

struct ModeRow
{
    const char16_t* name;
    int first;
    int count;
    QKeyCombination key;
    const char* keyName;
};

const std::array<ModeRow, 13> ModeRows = {{
    {u"あ行", 1, 5, Qt::CTRL | Qt::Key_A, "Ctrl+A"},
    {u"か行", 6, 5, Qt::CTRL | Qt::Key_K, "Ctrl+K"},
    {u"さ行", 11, 5, Qt::CTRL | Qt::Key_S, "Ctrl+S"},
    {u"た行", 16, 5, Qt::CTRL | Qt::Key_T, "Ctrl+T"},
    {u"な行", 21, 5, Qt::CTRL | Qt::Key_N, "Ctrl+N"},
    {u"は行", 26, 5, Qt::CTRL | Qt::Key_H, "Ctrl+H"},
    {u"ま行", 31, 5, Qt::CTRL | Qt::Key_M, "Ctrl+M"},
    {u"や行", 36, 3, Qt::CTRL | Qt::Key_Y, "Ctrl+Y"},
    {u"ら行", 39, 5, Qt::CTRL | Qt::Key_R, "Ctrl+R"},
    {u"わ行", 44, 3, Qt::CTRL | Qt::Key_W, "Ctrl+W"},
    {u"あ行\uFF5Eな行", 1, 25, QKeyCombination(Qt::Key_F1), "F1"},
    {u"は行\uFF5Eわ行", 26, 21, QKeyCombination(Qt::Key_F2), "F2"},
    {u"あ行\uFF5Eわ行", 1, 46, QKeyCombination(Qt::Key_F3), "F3"},
}};

const ModeRow& modeRow(int Index)
{
    return ModeRows[static_cast<std::size_t>(Index - 1)];
}

const QString ChooseMode = QStringLiteral("学習する内容を選択してください。");
const QString TypeReading = QStringLiteral("指文字の読み方をテキストボックスに入力してください。");

// ---- Actions -------------------------------------------------------------

enum class Kind
{
    ModeByMenu,
    ModeByShortcut,
    Type,
    Paste,
    Replace,
    PressReturn,
    PressEnter,
    ClickGo,
    SoundOn,
    SoundOff,
    OpenChart1,
    OpenChart2,
    CloseChart1,
    CloseChart2,
    OpenAbout,
    AboutOk,
    AboutEnter,
    AboutCloseBox,
};

// What goes into the answer box, most of it built around the reading of the
// current question.
enum class Answer
{
    Right,
    Katakana,
    BlankAfter,
    BlankBefore,
    TwoKana,
    CombiningMark,
    Romanised,
    Empty,
    Long,
    LoneHigh,
    LoneLow,
    RightThenLoneSurrogate,
    CombiningOnly,
    RightToLeft,
    OverrideThenRight,
    Emoji,
    Count,
};

const char* const AnswerNames[] = {
    "right",          "katakana",       "blank after", "blank before",
    "two kana",       "combining mark", "romanised",   "empty",
    "long",           "lone high",      "lone low",    "right + lone surrogate",
    "combining only", "right-to-left",  "RLO + right", "emoji",
};

struct Action
{
    Kind kind;
    int arg;
};

std::ostream& operator<<(std::ostream& os, const Action& a)
{
    const auto answer = [&] { return AnswerNames[a.arg]; };
    switch (a.kind) {
    case Kind::ModeByMenu:
        return os << "menu(" << a.arg << ")";
    case Kind::ModeByShortcut:
        return os << "key(" << modeRow(a.arg).keyName << ")";
    case Kind::Type:
        return os << "type(" << answer() << ")";
    case Kind::Paste:
        return os << "paste(" << answer() << ")";
    case Kind::Replace:
        return os << "setText(" << answer() << ")";
    case Kind::PressReturn:
        return os << "Return";
    case Kind::PressEnter:
        return os << "Enter";
    case Kind::ClickGo:
        return os << "click 入力";
    case Kind::SoundOn:
        return os << "ON";
    case Kind::SoundOff:
        return os << "OFF";
    case Kind::OpenChart1:
        return os << "open chart 1";
    case Kind::OpenChart2:
        return os << "open chart 2";
    case Kind::CloseChart1:
        return os << "close chart 1";
    case Kind::CloseChart2:
        return os << "close chart 2";
    case Kind::OpenAbout:
        return os << "open about";
    case Kind::AboutOk:
        return os << "about OK";
    case Kind::AboutEnter:
        return os << "about Enter";
    case Kind::AboutCloseBox:
        return os << "about close box";
    }
    return os << "?";
}

rc::Gen<Action> simple(Kind kind)
{
    return rc::gen::just(Action{kind, 0});
}

rc::Gen<Action> withArg(Kind kind, int low, int high)
{
    return rc::gen::map(rc::gen::inRange(low, high), [kind](int arg) { return Action{kind, arg}; });
}

// Half of the texts are the right reading, so that tallies and scores range
// over their values.
rc::Gen<Action> withAnswer(Kind kind)
{
    return rc::gen::weightedOneOf<Action>({
        {1, rc::gen::just(Action{kind, static_cast<int>(Answer::Right)})},
        {1, withArg(kind, 0, static_cast<int>(Answer::Count))},
    });
}

// Answers and typing dominate, so that runs get to their tenth question; mode
// choices are rare enough that about half the runs are finished.
rc::Gen<Action> anyAction()
{
    return rc::gen::weightedOneOf<Action>({
        {1, withArg(Kind::ModeByMenu, 1, 14)},
        {1, withArg(Kind::ModeByShortcut, 1, 14)},
        {12, withAnswer(Kind::Type)},
        {3, withAnswer(Kind::Paste)},
        {8, withAnswer(Kind::Replace)},
        {12, simple(Kind::PressReturn)},
        {4, simple(Kind::PressEnter)},
        {10, simple(Kind::ClickGo)},
        {1, simple(Kind::SoundOn)},
        {1, simple(Kind::SoundOff)},
        {1, simple(Kind::OpenChart1)},
        {1, simple(Kind::OpenChart2)},
        {1, simple(Kind::CloseChart1)},
        {1, simple(Kind::CloseChart2)},
        {2, simple(Kind::OpenAbout)},
        {1, simple(Kind::AboutOk)},
        {1, simple(Kind::AboutEnter)},
        {1, simple(Kind::AboutCloseBox)},
    });
}

QString answerText(Answer kind, const QString& reading)
{
    const QChar hiragana = reading.at(0);
    switch (kind) {
    case Answer::Right:
        return reading;
    case Answer::Katakana:
        return QChar(char16_t(hiragana.unicode() + 0x60));
    case Answer::BlankAfter:
        return reading + u' ';
    case Answer::BlankBefore:
        return u' ' + reading;
    case Answer::TwoKana:
        return reading + QChar(u'あ');
    case Answer::CombiningMark:
        return reading + QChar(u'\u3099');
    case Answer::Romanised:
        return QStringLiteral("a");
    case Answer::Empty:
        return QString();
    case Answer::Long:
        return reading.repeated(2000) + QString::fromUtf16(u"\U0001F44B").repeated(1000);
    case Answer::LoneHigh:
        return QChar(u'\xD83D');
    case Answer::LoneLow:
        return QChar(u'\xDC4B');
    case Answer::RightThenLoneSurrogate:
        return reading + QChar(u'\xD800');
    case Answer::CombiningOnly:
        return QString::fromUtf16(u"\u0301\u0302");
    case Answer::RightToLeft:
        return QString::fromUtf16(u"\u05E9\u05DC\u05D5\u05DD\u0627");
    case Answer::OverrideThenRight:
        return QChar(u'\u202E') + reading;
    case Answer::Emoji:
        return QString::fromUtf16(u"\U0001F44B\U0001F3FB");
    case Answer::Count:
        break;
    }
    return QString();
}

// What one key press carrying `text` inserts into a line edit: nothing when
// it starts with a control character or a surrogate that is not the first
// half of a pair.
bool insertsWhenTyped(const QString& text)
{
    if (text.isEmpty())
        return false;
    const QChar c = text.at(0);
    if (c.category() == QChar::Other_Format || c.isPrint())
        return true;
    return c.isHighSurrogate() && text.size() > 1 && text.at(1).isLowSurrogate();
}

QString shown(const QString& text)
{
    std::ostringstream out;
    out << '"';
    const qsizetype limit = 40;
    for (qsizetype i = 0; i < std::min(text.size(), limit); ++i) {
        const char16_t u = text.at(i).unicode();
        if (u >= 0x20 && u < 0x7F)
            out << static_cast<char>(u);
        else
            out << "\\u" << std::hex << static_cast<unsigned>(u) << std::dec;
    }
    out << '"';
    if (text.size() > limit)
        out << "... (" << text.size() << " units)";
    return QString::fromStdString(out.str());
}

void expectText(const char* what, const QString& actual, const QString& expected)
{
    if (actual != expected)
        RC_FAIL(std::string(what) + ": " + shown(actual).toStdString() + ", expected " +
                shown(expected).toStdString());
}

// ---- The model -------------------------------------------------------------

class QuizModel
{
public:
    // The draw is random, so the model takes the window's questions at each
    // mode choice; the invariants check them on their own.
    void chooseMode(int Index, const std::array<int, 10>& drawn)
    {
        m_mode = Index;
        m_questions = drawn;
        m_modeLine = QString::fromUtf16(modeRow(Index).name);
        m_verdict.clear();
        m_instruction = TypeReading;
        m_correct = 0;
        m_score.clear();
        m_tally = QStringLiteral("正解数 0/0");
        m_active = 1;
        m_number = 1;
        m_focusInBox = true;
        showQuestion();
    }

    void answer()
    {
        if (m_active != 1)
            return;
        const int k = m_questions[static_cast<std::size_t>(m_number - 1)];
        const QString reading = Readings.mid(k - 1, 1);
        if (m_box == reading) {
            ++m_correct;
            ++m_rightAnswers;
            m_verdict = QStringLiteral("正解でした。");
        } else {
            m_verdict = QStringLiteral("正解は「") + reading + QStringLiteral("」でした。");
        }
        m_tally = QStringLiteral("正解数 %1/%2").arg(m_correct).arg(m_number);
        m_box.clear();
        ++m_number;
        if (m_number > 10) {
            m_score = QStringLiteral("%1点").arg(m_correct * 10);
            m_active = 0;
            m_instruction = ChooseMode;
            m_finishedARun = true;
        } else {
            showQuestion();
        }
    }

    int m_mode = 0;
    std::array<int, 10> m_questions{};
    int m_active = 0;
    int m_number = 0;
    int m_correct = 0;
    int m_picture = -1;
    QString m_verdict, m_instruction = ChooseMode, m_modeLine, m_questionLine, m_tally, m_score;
    QString m_box;
    bool m_focusInBox = true;
    bool m_soundOn = false;
    bool m_chart1 = false;
    bool m_chart2 = false;
    bool m_about = false;
    bool m_finishedARun = false;
    int m_rightAnswers = 0;
    int m_blockedEvents = 0;

private:
    void showQuestion()
    {
        m_picture = m_questions[static_cast<std::size_t>(m_number - 1)] - 1;
        m_questionLine = QStringLiteral("第 %1 問").arg(m_number);
    }
};

// ---- The window under test ---------------------------------------------------

int decimalValue(const std::u16string& text)
{
    if (text.empty() || text.size() > 2 || text[0] == u'0')
        return -1;
    int value = 0;
    for (const char16_t c : text) {
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

class QuizWindow
{
public:
    QuizWindow() : m_window(new frmMain(m_player))
    {
        m_window->setAttribute(Qt::WA_DeleteOnClose);
        m_window->Form_Load();
        m_window->show();
        RC_ASSERT(activate(m_window));
        m_txtMain = m_window->findChild<QLineEdit*>(QStringLiteral("txtMain"));
        m_cmdGo = m_window->findChild<QPushButton*>(QStringLiteral("cmdGo"));
        m_imgPiece = dynamic_cast<platform::PictureBox*>(
            m_window->findChild<QWidget*>(QStringLiteral("imgPiece0")));
        const bool found = m_txtMain && m_cmdGo && m_imgPiece;
        RC_ASSERT(found);
        const auto& readings = m_window->state().KanaReadings;
        for (int k = 1; k <= 46; ++k)
            expectText("KanaReadings",
                       QString::fromStdU16String(readings[static_cast<std::size_t>(k - 1)]),
                       Readings.mid(k - 1, 1));
    }

    // Whatever a case leaves open is closed, so that the next starts afresh.
    ~QuizWindow()
    {
        QApplication::closeAllWindows();
        delete m_window.data();
        settle();
    }

    QuizWindow(const QuizWindow&) = delete;
    QuizWindow& operator=(const QuizWindow&) = delete;

    frmMain* window() const { return m_window; }
    QLabel* label(const char* name) const
    {
        return m_window->findChild<QLabel*>(QString::fromLatin1(name));
    }

    static bool aboutOpen() { return frmAboutObject().window() != nullptr; }

    // The reading of the current question, or of あ between runs.
    QString currentReading() const
    {
        const auto& s = m_window->state();
        if (s.QuizActive != 1)
            return QStringLiteral("あ");
        const int k = decimalValue(s.QuestionList[static_cast<std::size_t>(s.QuestionNumber - 1)]);
        RC_ASSERT(k >= 1 && k <= 46);
        return QString::fromStdU16String(s.KanaReadings[static_cast<std::size_t>(k - 1)]);
    }

    std::array<int, 10> questions() const
    {
        std::array<int, 10> drawn{};
        for (std::size_t i = 0; i < drawn.size(); ++i)
            drawn[i] = decimalValue(m_window->state().QuestionList[i]);
        return drawn;
    }

    // `text` is what a textual action puts into the box.
    void perform(const Action& a, const QString& text)
    {
        const MenuBar& menus = m_window->menus();
        // While the about window is open, the learner's clicks on the quiz
        // window reach it only as events that the modal window blocks, and
        // the keyboard goes to the about window, which is the active one.
        const bool blocked = aboutOpen();
        QWidget* keys =
            blocked ? static_cast<QWidget*>(frmAboutObject().window()) : m_window.data();
        const auto keyboard = [&] {
            if (!blocked)
                RC_ASSERT(activate(m_window));
            RC_ASSERT(QApplication::activeWindow() == keys);
        };
        const auto choose = [&](QAction* item, QMenu* menu) {
            if (blocked) {
                // A click on the menu's title opens nothing.
                QMenuBar* bar = m_window->menuBar();
                clickAt(m_window,
                        bar->mapTo(m_window, bar->actionGeometry(menu->menuAction()).center()));
                RC_ASSERT(!QApplication::activePopupWidget());
            } else {
                item->trigger();
            }
        };
        switch (a.kind) {
        case Kind::ModeByMenu:
            choose(menus.mnuGakushuuMode[static_cast<std::size_t>(a.arg)], menus.mnuGakushuu);
            break;
        case Kind::ModeByShortcut:
            keyboard();
            pressKey(keys, modeRow(a.arg).key.key(), modeRow(a.arg).key.keyboardModifiers());
            break;
        case Kind::Type:
            keyboard();
            typeText(keys, text);
            break;
        case Kind::Paste:
            keyboard();
            QGuiApplication::clipboard()->setText(text);
            pressKey(keys, Qt::Key_V, Qt::ControlModifier);
            break;
        case Kind::Replace:
            // An input method replacing the whole text; nothing a learner can
            // do while the about window blocks the quiz.
            if (!blocked)
                m_txtMain->setText(text);
            break;
        case Kind::PressReturn:
            keyboard();
            pressKey(keys, Qt::Key_Return);
            break;
        case Kind::PressEnter:
            keyboard();
            pressKey(keys, Qt::Key_Enter);
            break;
        case Kind::ClickGo:
            if (!blocked)
                RC_ASSERT(activate(m_window));
            clickOn(m_cmdGo);
            break;
        case Kind::SoundOn:
            choose(menus.mnuKoukaonOn, menus.mnuKoukaon);
            break;
        case Kind::SoundOff:
            choose(menus.mnuKoukaonOff, menus.mnuKoukaon);
            break;
        case Kind::OpenChart1:
            choose(menus.mnuHelpYubimozihyou, menus.mnuHelp);
            break;
        case Kind::OpenChart2:
            choose(menus.mnuHelpYubimozihyou2, menus.mnuHelp);
            break;
        // The window system holds back a blocked window's close box; a
        // close request from here would not be held back, so none is made.
        case Kind::CloseChart1:
            if (QWidget* chart = frmHyou1Object().window(); chart && !blocked)
                closeBox(chart);
            break;
        case Kind::CloseChart2:
            if (QWidget* chart = frmHyou2Object().window(); chart && !blocked)
                closeBox(chart);
            break;
        case Kind::OpenAbout:
            choose(menus.mnuHelpAbout, menus.mnuHelp);
            break;
        case Kind::AboutOk:
            if (QWidget* about = frmAboutObject().window())
                clickOn(about->findChild<QPushButton*>(QStringLiteral("Command1")));
            break;
        case Kind::AboutEnter:
            if (QWidget* about = frmAboutObject().window())
                pressKey(about, Qt::Key_Return);
            break;
        case Kind::AboutCloseBox:
            if (QWidget* about = frmAboutObject().window())
                closeBox(about);
            break;
        }
        settle();
    }

    // 終了, after the about window has been closed the only way a learner can.
    void end()
    {
        if (QWidget* about = frmAboutObject().window()) {
            clickOn(about->findChild<QPushButton*>(QStringLiteral("Command1")));
            settle();
            RC_ASSERT(!aboutOpen());
        }
        m_window->menus().mnuGakushuuEnd->trigger();
        settle();
    }

    bool destroyed() const { return m_window.isNull(); }
    QLineEdit* txtMain() const { return m_txtMain; }
    QPushButton* cmdGo() const { return m_cmdGo; }
    platform::PictureBox* imgPiece() const { return m_imgPiece; }

private:
    platform::SoundPlayer m_player;
    QPointer<frmMain> m_window;
    QLineEdit* m_txtMain = nullptr;
    QPushButton* m_cmdGo = nullptr;
    platform::PictureBox* m_imgPiece = nullptr;
};

// ---- Checks ------------------------------------------------------------------

// What holds in every state, whatever came before.
void checkInvariants(const QuizWindow& quiz, const QuizModel& model)
{
    const quiz::QuizState& s = quiz.window()->state();
    RC_ASSERT(s.QuizActive == 0 || s.QuizActive == 1);
    if (s.QuizActive == 1) {
        RC_ASSERT(s.QuestionNumber >= 1 && s.QuestionNumber <= 10);
        RC_ASSERT(s.CorrectCount >= 0 && s.CorrectCount <= s.QuestionNumber - 1);
    } else if (s.QuestionNumber == 0) {
        RC_ASSERT(s.CorrectCount == 0);
    } else {
        RC_ASSERT(s.QuestionNumber == 11);
        RC_ASSERT(s.CorrectCount >= 0 && s.CorrectCount <= 10);
    }
    if (s.QuestionNumber == 0)
        return;
    RC_ASSERT(model.m_mode != 0);

    const ModeRow& mode = modeRow(model.m_mode);
    int previous = -1;
    for (const std::u16string& text : s.QuestionList) {
        const int k = decimalValue(text);
        RC_ASSERT(k >= mode.first && k < mode.first + mode.count);
        RC_ASSERT(k != previous);
        previous = k;
    }

    const int answered = s.QuizActive == 1 ? s.QuestionNumber - 1 : 10;
    expectText("lblSeiseki", quiz.label("lblSeiseki")->text(),
               QStringLiteral("正解数 %1/%2").arg(s.CorrectCount).arg(answered));
    expectText("lblnum", quiz.label("lblnum")->text(),
               QStringLiteral("第 %1 問").arg(std::min<int>(s.QuestionNumber, 10)));
    const QString score = quiz.label("lblTensuu")->text();
    if (s.QuizActive == 1) {
        expectText("lblTensuu", score, QString());
    } else {
        RC_ASSERT(score.endsWith(u'点'));
        bool number = false;
        const int points = score.chopped(1).toInt(&number);
        RC_ASSERT(number && points >= 0 && points <= 100 && points % 10 == 0);
        RC_ASSERT(score == QStringLiteral("%1点").arg(points));
        RC_ASSERT(points == s.CorrectCount * 10);
    }
}

// Hand-shape picture p as committed in the source tree, read without the
// window's store or its resource names.
const QImage& committedPicture(int p)
{
    static const std::vector<QImage> pictures = [] {
        std::vector<QImage> all;
        for (int n = 0; n < quiz::KanaTotal; ++n)
            all.push_back(
                QImage(QStringLiteral(VELUMO_HANDS_DIR "/%1.bmp").arg(n, 2, 10, QLatin1Char('0')))
                    .convertToFormat(QImage::Format_RGB32));
        return all;
    }();
    return pictures[static_cast<std::size_t>(p)];
}

void compareWithModel(const QuizWindow& quiz, const QuizModel& model)
{
    const frmMain& w = *quiz.window();
    const quiz::QuizState& s = w.state();
    RC_ASSERT(s.QuizActive == model.m_active);
    RC_ASSERT(s.QuestionNumber == model.m_number);
    RC_ASSERT(s.CorrectCount == model.m_correct);
    if (model.m_mode != 0) {
        RC_ASSERT(quiz.questions() == model.m_questions);
        expectText("ModeName", QString::fromStdU16String(s.ModeName),
                   QString::fromUtf16(modeRow(model.m_mode).name));
    }

    expectText("lblPiece0", quiz.label("lblPiece0")->text(), model.m_verdict);
    expectText("lblPiece1", quiz.label("lblPiece1")->text(), model.m_instruction);
    expectText("lblMode", quiz.label("lblMode")->text(), model.m_modeLine);
    expectText("lblnum", quiz.label("lblnum")->text(), model.m_questionLine);
    expectText("lblSeiseki", quiz.label("lblSeiseki")->text(), model.m_tally);
    expectText("lblTensuu", quiz.label("lblTensuu")->text(), model.m_score);
    expectText("txtMain", quiz.txtMain()->text(), model.m_box);

    const QImage& picture = quiz.imgPiece()->picture();
    if (model.m_picture < 0)
        RC_ASSERT(picture.isNull());
    else
        RC_ASSERT(picture.convertToFormat(QImage::Format_RGB32) ==
                  committedPicture(model.m_picture));

    QWidget* focus = w.focusWidget();
    RC_ASSERT(focus == (model.m_focusInBox ? static_cast<QWidget*>(quiz.txtMain())
                                           : static_cast<QWidget*>(quiz.cmdGo())));

    RC_ASSERT(w.menus().mnuKoukaonOn->isChecked() == model.m_soundOn);
    RC_ASSERT(w.menus().mnuKoukaonOff->isChecked() == !model.m_soundOn);

    RC_ASSERT(bool(frmHyou1Object().window()) == model.m_chart1);
    RC_ASSERT(bool(frmHyou2Object().window()) == model.m_chart2);
    RC_ASSERT(QuizWindow::aboutOpen() == model.m_about);
    if (model.m_about)
        RC_ASSERT(QApplication::activeModalWidget() == frmAboutObject().window());
    else
        RC_ASSERT(!QApplication::activeModalWidget());
}

// The model's side of one action, given what the window drew if it chose a
// mode.
void apply(QuizModel& model, const Action& a, const QuizWindow& quiz, const QString& text)
{
    if (model.m_about) {
        ++model.m_blockedEvents;
        switch (a.kind) {
        // Enter presses the about window's OK, wherever the keyboard was
        // meant to go.
        case Kind::PressReturn:
        case Kind::PressEnter:
        case Kind::AboutOk:
        case Kind::AboutEnter:
        case Kind::AboutCloseBox:
            model.m_about = false;
            break;
        default:
            break; // nothing reaches the quiz or the charts
        }
        return;
    }
    switch (a.kind) {
    case Kind::ModeByMenu:
    case Kind::ModeByShortcut:
        model.chooseMode(a.arg, quiz.questions());
        break;
    case Kind::Type:
        if (model.m_focusInBox && insertsWhenTyped(text))
            model.m_box += text;
        break;
    case Kind::Paste:
        if (model.m_focusInBox)
            model.m_box += text;
        break;
    case Kind::Replace:
        model.m_box = text;
        break;
    case Kind::PressReturn:
    case Kind::PressEnter:
        model.answer();
        break;
    case Kind::ClickGo:
        model.m_focusInBox = false;
        model.answer();
        break;
    case Kind::SoundOn:
        model.m_soundOn = true;
        break;
    case Kind::SoundOff:
        model.m_soundOn = false;
        break;
    case Kind::OpenChart1:
        model.m_chart1 = true;
        break;
    case Kind::OpenChart2:
        model.m_chart2 = true;
        break;
    case Kind::CloseChart1:
        model.m_chart1 = false;
        break;
    case Kind::CloseChart2:
        model.m_chart2 = false;
        break;
    case Kind::OpenAbout:
        model.m_about = true;
        break;
    case Kind::AboutOk:
    case Kind::AboutEnter:
    case Kind::AboutCloseBox:
        break;
    }
}

void runSequence(const std::vector<Action>& actions)
{
    QApplication::closeAllWindows();
    settle();
    for (const QWidget* widget : QApplication::topLevelWidgets())
        RC_ASSERT(!widget->isVisible());
    QuizWindow quiz;
    QuizModel model;
    checkInvariants(quiz, model);
    compareWithModel(quiz, model);
    for (const Action& a : actions) {
        const bool textual =
            a.kind == Kind::Type || a.kind == Kind::Paste || a.kind == Kind::Replace;
        const QString text =
            textual ? answerText(static_cast<Answer>(a.arg), quiz.currentReading()) : QString();
        quiz.perform(a, text);
        apply(model, a, quiz, text);
        checkInvariants(quiz, model);
        compareWithModel(quiz, model);
    }
    RC_CLASSIFY(model.m_finishedARun, "finished a run");
    RC_CLASSIFY(model.m_rightAnswers > 0, "a right answer");
    RC_CLASSIFY(model.m_blockedEvents > 0, "events while the about window was open");

    quiz.end();
    RC_ASSERT(quiz.destroyed());
    // 終了 closes the quiz window only.
    RC_ASSERT(bool(frmHyou1Object().window()) == model.m_chart1);
    RC_ASSERT(bool(frmHyou2Object().window()) == model.m_chart2);
}

QtMessageHandler previousHandler = nullptr;

} // namespace

class QuizSequenceTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The same sequences at every run, unless asked for others.
        if (qEnvironmentVariableIsEmpty("RC_PARAMS"))
            qputenv("RC_PARAMS", "seed=1027 max_success=80 max_size=250");
        // The offscreen platform says so at every raise of a window.
        previousHandler = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
                if (message != QLatin1String("This plugin does not support raise()"))
                    previousHandler(type, context, message);
            });
    }

    void randomSequencesKeepTheQuizConsistent()
    {
        const bool passed = rc::check("random sequences keep the quiz consistent", [] {
            runSequence(*rc::gen::container<std::vector<Action>>(anyAction()));
        });
        QVERIFY(passed);
    }
};

QTEST_MAIN(QuizSequenceTest)
#include "quizsequence_test.moc"
