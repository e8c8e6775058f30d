// The quiz itself: a study-mode choice draws ten questions, each answer is
// judged against the kana readings, and the tally and score are written to
// the window through its display slots.
#pragma once

#include "kanatable.h"
#include "quizdisplay.h"
#include "randomsource.h"

#include <array>
#include <cstdint>
#include <string>

namespace quiz {

// The quiz window's state, in the order the window declares it. Every number
// starts at 0 and every text empty.
struct QuizState
{
    std::u16string ModeName;
    std::int16_t KanaCount = 0;
    // Element 0 holds question 1, as the decimal text of its KanaNumber.
    std::array<std::u16string, 10> QuestionList;
    KanaNumber FirstKana = 0;
    KanaNumber DrawnKana = 0;
    // 0 before the first run, then the current question 1 to 10, and 11 once
    // the run is over.
    std::int16_t QuestionNumber = 0;
    std::int16_t DrawSlot = 0;
    // Element 0 holds the reading of KanaNumber 1.
    std::array<std::u16string, KanaTotal> KanaReadings;
    // 1 while a run is open, otherwise 0.
    std::int16_t QuizActive = 0;
    std::int16_t CorrectCount = 0;
};

class QuizRun
{
public:
    QuizRun(QuizDisplay& display, VerdictSound& sound, RandomSource& random);

    // Start-up, in the order the window's load handler runs them.
    void fillKanaReadings();
    void startUpStep();

    // A study mode from the menu: the mode step, the draw of ten questions and
    // the start of a run, with nothing in between. An Index the study-mode
    // table has no row for changes nothing.
    void mnuGakushuuMode_Click(std::int16_t Index);

    // 入力: judges the answer box against the current question's reading.
    void cmdGo_Click();

    const QuizState& state() const { return m_state; }

private:
    void modeStep(const StudyMode& mode);
    void questionDraw();
    void startOfRun();
    void Artn();

    KanaNumber currentKana() const;

    QuizDisplay& m_display;
    VerdictSound& m_sound;
    RandomSource& m_random;
    QuizState m_state;
};

} // namespace quiz
