#include "quizrun.h"

#include "decimaltext.h"

#include <cmath>

namespace quiz {

namespace {
constexpr std::int16_t QuestionsPerRun = 10;
} // namespace

QuizRun::QuizRun(QuizDisplay& display, VerdictSound& sound, RandomSource& random)
    : m_display(display), m_sound(sound), m_random(random)
{
}

void QuizRun::fillKanaReadings()
{
    for (std::size_t i = 0; i < KanaReadingTable.size(); ++i)
        m_state.KanaReadings[i] = std::u16string(KanaReadingTable[i]);
}

void QuizRun::startUpStep()
{
    m_state.QuizActive = 0;
    m_display.setLabelText(Label::lblPiece1, u"学習する内容を選択してください。");
}

void QuizRun::mnuGakushuuMode_Click(std::int16_t Index)
{
    const StudyMode* mode = studyModeRow(Index);
    if (mode == nullptr)
        return;
    modeStep(*mode);
    questionDraw();
    startOfRun();
}

void QuizRun::modeStep(const StudyMode& mode)
{
    m_state.ModeName = std::u16string(mode.ModeName);
    m_state.KanaCount = mode.KanaCount;
    m_state.FirstKana = mode.FirstKana;
}

// Ten questions from the mode's range, never the same kana twice in a row: a
// draw equal to the one before is thrown away and its slot drawn again.
void QuizRun::questionDraw()
{
    KanaNumber PreviousDraw = -1;
    QuizState& s = m_state;
    s.DrawSlot = 1;
    while (s.DrawSlot <= QuestionsPerRun) {
        const double r = m_random.Rnd();
        // The product stays in double up to the floor. Narrowed to float first,
        // an r just below 1 would round r * KanaCount up to KanaCount itself and
        // draw one kana past the end of the range.
        double x = r * static_cast<double>(static_cast<float>(s.KanaCount));
        x = std::floor(x);
        x = x + static_cast<double>(static_cast<float>(s.FirstKana));
        s.DrawnKana = static_cast<KanaNumber>(x);
        if (s.DrawnKana == PreviousDraw) {
            --s.DrawSlot;
        } else {
            s.QuestionList[static_cast<std::size_t>(s.DrawSlot - 1)] = decimalText(s.DrawnKana);
            PreviousDraw = s.DrawnKana;
        }
        ++s.DrawSlot;
    }
}

void QuizRun::startOfRun()
{
    QuizState& s = m_state;
    m_display.setLabelText(Label::lblMode, s.ModeName);
    m_display.setLabelText(Label::lblPiece0, u"");
    m_display.setLabelText(Label::lblPiece1,
                           u"指文字の読み方をテキストボックスに入力してください。");
    s.CorrectCount = 0;
    m_display.setLabelText(Label::lblTensuu, u"");
    m_display.setLabelText(Label::lblSeiseki, u"正解数 " + decimalText(s.CorrectCount) + u"/0");
    s.QuizActive = 1;
    s.QuestionNumber = 1;
    m_display.focusAnswer();
    Artn();
}

void QuizRun::cmdGo_Click()
{
    QuizState& s = m_state;
    if (s.QuizActive != 1)
        return;
    const std::u16string T = m_display.answerText();
    const KanaNumber k = currentKana();
    const std::u16string& reading = s.KanaReadings[static_cast<std::size_t>(k - 1)];
    // Exact comparison of UTF-16 code units: no trimming, no folding of width,
    // case or kana.
    if (T == reading) {
        ++s.CorrectCount;
        m_display.setLabelText(Label::lblPiece0, u"正解でした。");
        m_sound.verdictSound(Verdict::Right);
    } else {
        m_display.setLabelText(Label::lblPiece0, u"正解は「" + reading + u"」でした。");
        m_sound.verdictSound(Verdict::Wrong);
    }
    m_display.setLabelText(Label::lblSeiseki, u"正解数 " + decimalText(s.CorrectCount) + u"/" +
                                                  decimalText(s.QuestionNumber));
    m_display.setAnswerText(u"");
    ++s.QuestionNumber;
    Artn();
}

// Shows the current question, or the score once the tenth is answered.
void QuizRun::Artn()
{
    QuizState& s = m_state;
    if (s.QuestionNumber > QuestionsPerRun) {
        m_display.setLabelText(Label::lblTensuu, decimalText(s.CorrectCount * 10) + u"点");
        s.QuizActive = 0;
        m_display.setLabelText(Label::lblPiece1, u"学習する内容を選択してください。");
    } else {
        m_display.showPicture(currentKana() - 1);
        m_display.setLabelText(Label::lblnum, u"第 " + decimalText(s.QuestionNumber) + u" 問");
    }
}

KanaNumber QuizRun::currentKana() const
{
    const auto& text = m_state.QuestionList[static_cast<std::size_t>(m_state.QuestionNumber - 1)];
    return static_cast<KanaNumber>(decimalValue(text));
}

} // namespace quiz
