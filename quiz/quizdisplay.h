// What the quiz run needs of its window: the display slots it writes and
// reads, and the verdict sound it asks for. The quiz window implements both;
// tests record them.
#pragma once

#include <string>

namespace quiz {

enum class Label
{
    lblPiece0,  // verdict line
    lblPiece1,  // instruction line
    lblMode,    // mode line
    lblnum,     // question line
    lblSeiseki, // tally line
    lblTensuu,  // score line
};

class QuizDisplay
{
public:
    virtual ~QuizDisplay() = default;

    // Replaces the label's whole text.
    virtual void setLabelText(Label label, const std::u16string& text) = 0;
    // Shows hand-shape picture p (0 to 45) in imgPiece(0).
    virtual void showPicture(int p) = 0;
    // The answer box txtMain.
    virtual std::u16string answerText() const = 0;
    virtual void setAnswerText(const std::u16string& text) = 0;
    virtual void focusAnswer() = 0;
};

enum class Verdict
{
    Right,
    Wrong,
};

class VerdictSound
{
public:
    virtual ~VerdictSound() = default;

    // Asked for once per answer, between the verdict line and the tally line.
    // Returns at once and changes nothing the run reads.
    virtual void verdictSound(Verdict verdict) = 0;
};

} // namespace quiz
