#include "decimaltext.h"
#include "quizrun.h"
#include "recordingdisplay.h"
#include "scriptedrandom.h"

#include <gtest/gtest.h>

#include <vector>

using quiz::Label;
using quiz::Verdict;

namespace {

const std::u16string ChooseMode = u"学習する内容を選択してください。";
const std::u16string TypeReading = u"指文字の読み方をテキストボックスに入力してください。";

// Random numbers that make the あ行～わ行 draw (46 kana from あ) yield the
// given KanaNumbers in order.
std::vector<double> scriptFor(const std::vector<int>& kana)
{
    std::vector<double> script;
    for (int k : kana)
        script.push_back((k - 1 + 0.5) / 46.0);
    return script;
}

// The quiz after start-up, with the questions of its first run fixed.
class QuizRunTest : public testing::Test
{
protected:
    void SetUp() override
    {
        run.fillKanaReadings();
        run.startUpStep();
    }
    void startRun() { run.mnuGakushuuMode_Click(13); }
    void answer(const std::u16string& text)
    {
        display.type(text);
        run.cmdGo_Click();
    }
    const std::u16string& label(Label l) const { return display.label(l); }

    // あ い を ん お か あ ん ね は
    const std::vector<int> questions = {1, 2, 45, 46, 5, 6, 1, 46, 24, 26};
    ScriptedRandom random{scriptFor(questions)};
    RecordingDisplay display;
    quiz::QuizRun run{display, display, random};
};

} // namespace

TEST_F(QuizRunTest, StartUpWritesOnlyTheInstruction)
{
    ASSERT_EQ(display.events().size(), 1u);
    EXPECT_EQ(display.events()[0].label, Label::lblPiece1);
    EXPECT_EQ(display.events()[0].text, ChooseMode);
    EXPECT_EQ(run.state().QuizActive, 0);
    EXPECT_EQ(run.state().QuestionNumber, 0);
    EXPECT_EQ(run.state().CorrectCount, 0);
    EXPECT_TRUE(run.state().ModeName.empty());
    EXPECT_EQ(run.state().KanaReadings[0], u"あ");
    EXPECT_EQ(run.state().KanaReadings[45], u"ん");
}

TEST_F(QuizRunTest, StartOfRunWritesItsSlotsInOrder)
{
    display.clearEvents();
    startRun();
    const auto& e = display.events();
    ASSERT_EQ(e.size(), 8u);
    EXPECT_EQ(e[0].label, Label::lblMode);
    EXPECT_EQ(e[0].text, u"あ行\uFF5Eわ行");
    EXPECT_EQ(e[1].label, Label::lblPiece0);
    EXPECT_EQ(e[1].text, u"");
    EXPECT_EQ(e[2].label, Label::lblPiece1);
    EXPECT_EQ(e[2].text, TypeReading);
    EXPECT_EQ(e[3].label, Label::lblTensuu);
    EXPECT_EQ(e[3].text, u"");
    EXPECT_EQ(e[4].label, Label::lblSeiseki);
    EXPECT_EQ(e[4].text, u"正解数 0/0");
    EXPECT_EQ(e[5].kind, DisplayEvent::FocusAnswer);
    EXPECT_EQ(e[6].kind, DisplayEvent::ShowPicture);
    EXPECT_EQ(e[6].picture, 0);
    EXPECT_EQ(e[7].label, Label::lblnum);
    EXPECT_EQ(e[7].text, u"第 1 問");
    EXPECT_EQ(run.state().QuizActive, 1);
    EXPECT_EQ(run.state().QuestionNumber, 1);
}

TEST_F(QuizRunTest, AnswerStepWritesVerdictThenSoundThenTally)
{
    startRun();
    display.type(u"あ");
    display.clearEvents();
    run.cmdGo_Click();
    const auto& e = display.events();
    ASSERT_EQ(e.size(), 6u);
    EXPECT_EQ(e[0].label, Label::lblPiece0);
    EXPECT_EQ(e[0].text, u"正解でした。");
    EXPECT_EQ(e[1].kind, DisplayEvent::Sound);
    EXPECT_EQ(e[1].verdict, Verdict::Right);
    EXPECT_EQ(e[2].label, Label::lblSeiseki);
    EXPECT_EQ(e[2].text, u"正解数 1/1");
    EXPECT_EQ(e[3].kind, DisplayEvent::SetAnswer);
    EXPECT_EQ(e[3].text, u"");
    EXPECT_EQ(e[4].kind, DisplayEvent::ShowPicture);
    EXPECT_EQ(e[4].picture, 1);
    EXPECT_EQ(e[5].label, Label::lblnum);
    EXPECT_EQ(e[5].text, u"第 2 問");
    // An answer never moves the focus.
    for (const auto& event : e)
        EXPECT_NE(event.kind, DisplayEvent::FocusAnswer);
}

TEST_F(QuizRunTest, WholeRunFromFirstQuestionToScore)
{
    startRun();
    // Right, wrong (お for を), right, right, ...: 7 right of 10.
    const std::vector<std::u16string> answers = {u"あ", u"い", u"お", u"ん", u"お",
                                                 u"か", u"い", u"ん", u"ね", u"ほ"};
    const std::vector<bool> right = {true, true, false, true, true, true, false, true, true, false};
    int correct = 0;
    for (std::size_t i = 0; i < answers.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        EXPECT_EQ(display.picture(), questions[i] - 1) << "question " << n;
        EXPECT_EQ(label(Label::lblnum), u"第 " + quiz::decimalText(n) + u" 問");
        answer(answers[i]);
        const std::u16string reading = run.state().KanaReadings[questions[i] - 1];
        if (right[i]) {
            ++correct;
            EXPECT_EQ(label(Label::lblPiece0), u"正解でした。") << "question " << n;
        } else {
            EXPECT_EQ(label(Label::lblPiece0), u"正解は「" + reading + u"」でした。");
        }
        EXPECT_EQ(label(Label::lblSeiseki),
                  u"正解数 " + quiz::decimalText(correct) + u"/" + quiz::decimalText(n));
        EXPECT_EQ(display.answerText(), u"");
        if (n < 10) {
            EXPECT_EQ(label(Label::lblTensuu), u"");
        }
    }
    EXPECT_EQ(label(Label::lblTensuu), u"70点");
    EXPECT_EQ(label(Label::lblPiece1), ChooseMode);
    EXPECT_EQ(label(Label::lblSeiseki), u"正解数 7/10");
    // The tenth question and its verdict stay on screen.
    EXPECT_EQ(label(Label::lblnum), u"第 10 問");
    EXPECT_EQ(display.picture(), 25);
    EXPECT_EQ(label(Label::lblPiece0), u"正解は「は」でした。");
    EXPECT_EQ(label(Label::lblMode), u"あ行\uFF5Eわ行");
    EXPECT_EQ(run.state().QuizActive, 0);
    EXPECT_EQ(run.state().QuestionNumber, 11);
    EXPECT_EQ(run.state().CorrectCount, 7);
}

TEST_F(QuizRunTest, AllRightAndAllWrongScores)
{
    startRun();
    for (int k : questions)
        answer(std::u16string(run.state().KanaReadings[static_cast<std::size_t>(k - 1)]));
    EXPECT_EQ(label(Label::lblTensuu), u"100点");
    EXPECT_EQ(label(Label::lblSeiseki), u"正解数 10/10");

    ScriptedRandom again(scriptFor(questions));
    quiz::QuizRun second(display, display, again);
    second.fillKanaReadings();
    second.mnuGakushuuMode_Click(13);
    for (int i = 0; i < 10; ++i) {
        display.type(u"");
        second.cmdGo_Click();
    }
    EXPECT_EQ(label(Label::lblTensuu), u"0点");
    EXPECT_EQ(label(Label::lblSeiseki), u"正解数 0/10");
}

// Only the exact reading counts: nothing is trimmed or folded.
TEST_F(QuizRunTest, NearMissesAreWrong)
{
    struct Case
    {
        const char* name;
        std::u16string text;
    };
    const Case cases[] = {
        {"empty", u""},
        {"katakana", u"ア"},
        {"half-width katakana", u"\uFF71"},
        {"romanised", u"a"},
        {"blank before", u" あ"},
        {"blank after", u"あ "},
        {"ideographic blank after", u"あ\u3000"},
        {"two kana", u"あい"},
        {"small kana", u"ぁ"},
        {"combining mark", u"あ\u3099"},
        {"lone surrogate", std::u16string(1, char16_t(0xD800))},
    };
    for (const Case& c : cases) {
        ScriptedRandom r(scriptFor(questions));
        RecordingDisplay d;
        quiz::QuizRun q(d, d, r);
        q.fillKanaReadings();
        q.mnuGakushuuMode_Click(13);
        d.type(c.text);
        q.cmdGo_Click();
        EXPECT_EQ(d.label(Label::lblPiece0), u"正解は「あ」でした。") << c.name;
        EXPECT_EQ(d.label(Label::lblSeiseki), u"正解数 0/1") << c.name;
        EXPECT_EQ(q.state().QuestionNumber, 2) << c.name;
    }
}

TEST_F(QuizRunTest, AnswerOutsideARunChangesNothing)
{
    const auto expectUntouched = [&](const char* when) {
        const quiz::QuizState before = run.state();
        display.type(u"あ");
        display.clearEvents();
        run.cmdGo_Click();
        EXPECT_TRUE(display.events().empty()) << when; // no text, no sound, no focus
        EXPECT_EQ(display.answerText(), u"あ") << when;
        EXPECT_EQ(run.state().QuestionNumber, before.QuestionNumber) << when;
        EXPECT_EQ(run.state().CorrectCount, before.CorrectCount) << when;
        EXPECT_EQ(run.state().QuizActive, 0) << when;
    };
    expectUntouched("before the first mode");
    startRun();
    for (int i = 0; i < 10; ++i)
        answer(u"x");
    expectUntouched("after the score");
    EXPECT_EQ(run.state().QuestionNumber, 11);
}

TEST_F(QuizRunTest, ModeChosenMidRunStartsAfresh)
{
    startRun();
    answer(u"あ");
    answer(u"x");
    answer(u"を");
    ASSERT_EQ(label(Label::lblSeiseki), u"正解数 2/3");
    display.type(u"のこり");
    display.clearEvents();

    run.mnuGakushuuMode_Click(2); // か行
    const auto& list = run.state().QuestionList;
    for (const auto& q : list) {
        const int k = quiz::decimalValue(q);
        EXPECT_TRUE(k >= 6 && k <= 10) << k;
    }
    EXPECT_EQ(label(Label::lblMode), u"か行");
    EXPECT_EQ(label(Label::lblSeiseki), u"正解数 0/0");
    EXPECT_EQ(label(Label::lblPiece0), u"");
    EXPECT_EQ(label(Label::lblTensuu), u"");
    EXPECT_EQ(label(Label::lblnum), u"第 1 問");
    EXPECT_EQ(run.state().CorrectCount, 0);
    EXPECT_EQ(run.state().QuestionNumber, 1);
    // The typed text stays and is judged next.
    EXPECT_EQ(display.answerText(), u"のこり");
    bool focused = false;
    for (const auto& e : display.events())
        focused = focused || e.kind == DisplayEvent::FocusAnswer;
    EXPECT_TRUE(focused);
}

TEST_F(QuizRunTest, ModeChosenAfterTheScoreEmptiesTheScore)
{
    startRun();
    for (int i = 0; i < 10; ++i)
        answer(u"x");
    ASSERT_EQ(label(Label::lblTensuu), u"0点");
    run.mnuGakushuuMode_Click(1);
    EXPECT_EQ(label(Label::lblTensuu), u"");
    EXPECT_EQ(label(Label::lblPiece1), TypeReading);
    EXPECT_EQ(run.state().QuizActive, 1);
}

TEST_F(QuizRunTest, IndexWithoutARowChangesNothing)
{
    startRun();
    answer(u"あ");
    const quiz::QuizState before = run.state();
    const auto calls = random.calls();
    display.clearEvents();
    for (std::int16_t Index : {std::int16_t{0}, std::int16_t{14}, std::int16_t{-1}})
        run.mnuGakushuuMode_Click(Index);
    EXPECT_TRUE(display.events().empty());
    EXPECT_EQ(random.calls(), calls);
    EXPECT_EQ(run.state().QuestionList, before.QuestionList);
    EXPECT_EQ(run.state().QuestionNumber, 2);
    EXPECT_EQ(run.state().ModeName, before.ModeName);
}
