#include "quizrun.h"
#include "recordingdisplay.h"
#include "scriptedrandom.h"
#include "timerrandom.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

namespace {

const double JustBelowOne = std::nextafter(1.0, 0.0);

int number(const std::u16string& text)
{
    int value = 0;
    for (char16_t c : text)
        value = value * 10 + (c - u'0');
    return value;
}

// A plain decimal text: digits only, no leading zero, no blank, no sign.
bool isPlainDecimal(const std::u16string& text)
{
    if (text.empty() || text.front() == u'0')
        return false;
    for (char16_t c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

struct DrawFixture
{
    explicit DrawFixture(quiz::RandomSource& random) : run(display, display, random)
    {
        run.fillKanaReadings();
        run.startUpStep();
    }
    RecordingDisplay display;
    quiz::QuizRun run;
};

class DrawBounds : public testing::TestWithParam<int>
{
};

} // namespace

// r = 0 gives the first kana of the range and r just below 1 its last; a
// product narrowed to float before the floor would give one past the end.
TEST_P(DrawBounds, ZeroGivesFirstKanaAndJustBelowOneGivesLast)
{
    const int Index = GetParam();
    const quiz::StudyMode& mode = *quiz::studyModeRow(Index);
    ScriptedRandom random({0.0, JustBelowOne, 0.0, JustBelowOne, 0.0, JustBelowOne, 0.0,
                           JustBelowOne, 0.0, JustBelowOne});
    DrawFixture f(random);
    f.run.mnuGakushuuMode_Click(static_cast<std::int16_t>(Index));

    const auto& list = f.run.state().QuestionList;
    const int last = mode.FirstKana + mode.KanaCount - 1;
    for (std::size_t slot = 0; slot < 10; slot += 2) {
        EXPECT_EQ(number(list[slot]), mode.FirstKana) << "slot " << slot + 1;
        EXPECT_EQ(number(list[slot + 1]), last) << "slot " << slot + 2;
    }
    EXPECT_EQ(random.calls(), 10u);
}

INSTANTIATE_TEST_SUITE_P(EveryMode, DrawBounds, testing::Range(1, 14));

TEST(QuestionDraw, RedrawsASlotThatRepeatsTheOneBefore)
{
    // あ行: r = 0.1 gives あ, 0.3 い, 0.5 う. Slot 2 is drawn three times.
    ScriptedRandom random({0.1, 0.1, 0.1, 0.3, 0.5, 0.1, 0.5, 0.3, 0.1, 0.3, 0.5, 0.3});
    DrawFixture f(random);
    f.run.mnuGakushuuMode_Click(1);

    const std::array<std::u16string, 10> expected = {u"1", u"2", u"3", u"1", u"3",
                                                     u"2", u"1", u"2", u"3", u"2"};
    EXPECT_EQ(f.run.state().QuestionList, expected);
    EXPECT_EQ(random.calls(), 12u);
    EXPECT_EQ(f.run.state().DrawSlot, 11);
    EXPECT_EQ(f.run.state().DrawnKana, 2);
}

TEST(QuestionDraw, ForgetsThePreviousRun)
{
    // The first question of a run may repeat the last question of the one
    // before, also in the same mode.
    ScriptedRandom random({0.1, 0.3, 0.1, 0.3, 0.1, 0.3, 0.1, 0.3, 0.1, 0.3, 0.3, 0.1});
    DrawFixture f(random);
    f.run.mnuGakushuuMode_Click(1);
    ASSERT_EQ(f.run.state().QuestionList[9], u"2");
    f.run.mnuGakushuuMode_Click(1);
    EXPECT_EQ(f.run.state().QuestionList[0], u"2");
}

// Over many seeded runs in every mode: every draw lies in the range as a plain
// decimal text, no two neighbouring questions are the same, and the whole
// range comes up.
TEST(QuestionDraw, SeededRunsStayInRangeAndNeverRepeatANeighbour)
{
    platform::TimerRandom random;
    random.seed(20261210);
    DrawFixture f(random);
    for (int Index = 1; Index <= quiz::StudyModeCount; ++Index) {
        const quiz::StudyMode& mode = *quiz::studyModeRow(Index);
        std::set<int> seen;
        for (int runNo = 0; runNo < 300; ++runNo) {
            f.run.mnuGakushuuMode_Click(static_cast<std::int16_t>(Index));
            const auto& list = f.run.state().QuestionList;
            for (std::size_t slot = 0; slot < 10; ++slot) {
                ASSERT_TRUE(isPlainDecimal(list[slot])) << "mode " << Index;
                const int k = number(list[slot]);
                ASSERT_GE(k, mode.FirstKana) << "mode " << Index;
                ASSERT_LT(k, mode.FirstKana + mode.KanaCount) << "mode " << Index;
                if (slot > 0) {
                    ASSERT_NE(list[slot], list[slot - 1]) << "mode " << Index << " slot " << slot;
                }
                seen.insert(k);
            }
        }
        EXPECT_EQ(seen.size(), static_cast<std::size_t>(mode.KanaCount)) << "mode " << Index;
    }
}

TEST(QuestionDraw, ThreeKanaRowsCycleAmongTheirThree)
{
    platform::TimerRandom random;
    random.seed(7);
    DrawFixture f(random);
    for (const int Index : {8, 10}) {
        f.run.mnuGakushuuMode_Click(static_cast<std::int16_t>(Index));
        const int first = quiz::studyModeRow(Index)->FirstKana;
        const auto& list = f.run.state().QuestionList;
        for (std::size_t slot = 0; slot < 10; ++slot) {
            const int k = number(list[slot]);
            EXPECT_TRUE(k >= first && k <= first + 2) << list[slot].size();
            if (slot > 0) {
                EXPECT_NE(list[slot], list[slot - 1]);
            }
        }
    }
}

TEST(QuestionDraw, WritesNoDisplaySlotBeforeTheRunStarts)
{
    // All ten questions are drawn before the first write to the window: the
    // random source is spent by the time the mode line is written.
    class CountingDisplay : public RecordingDisplay
    {
    public:
        explicit CountingDisplay(const ScriptedRandom& r) : m_random(r) {}
        void setLabelText(quiz::Label label, const std::u16string& text) override
        {
            if (callsAtFirstWrite < 0)
                callsAtFirstWrite = static_cast<int>(m_random.calls());
            RecordingDisplay::setLabelText(label, text);
        }
        int callsAtFirstWrite = -1;

    private:
        const ScriptedRandom& m_random;
    };
    ScriptedRandom random({0.1, 0.3});
    CountingDisplay display(random);
    quiz::QuizRun run(display, display, random);
    run.fillKanaReadings();
    run.mnuGakushuuMode_Click(1);
    EXPECT_EQ(display.callsAtFirstWrite, 10);
}
