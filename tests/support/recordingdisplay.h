// A quiz window without a window: it keeps what the run wrote into each slot
// and the order of every call, the verdict sounds included.
#pragma once

#include "quizdisplay.h"

#include <array>
#include <string>
#include <vector>

struct DisplayEvent
{
    enum Kind
    {
        SetLabel,
        ShowPicture,
        SetAnswer,
        FocusAnswer,
        Sound,
    };
    Kind kind = SetLabel;
    quiz::Label label = quiz::Label::lblPiece0;
    std::u16string text;
    int picture = -1;
    quiz::Verdict verdict = quiz::Verdict::Wrong;
};

class RecordingDisplay : public quiz::QuizDisplay, public quiz::VerdictSound
{
public:
    void setLabelText(quiz::Label label, const std::u16string& text) override
    {
        m_labels[static_cast<std::size_t>(label)] = text;
        DisplayEvent e;
        e.label = label;
        e.text = text;
        m_events.push_back(e);
    }
    void showPicture(int p) override
    {
        m_picture = p;
        DisplayEvent e;
        e.kind = DisplayEvent::ShowPicture;
        e.picture = p;
        m_events.push_back(e);
    }
    std::u16string answerText() const override { return m_answer; }
    void setAnswerText(const std::u16string& text) override
    {
        m_answer = text;
        DisplayEvent e;
        e.kind = DisplayEvent::SetAnswer;
        e.text = text;
        m_events.push_back(e);
    }
    void focusAnswer() override
    {
        DisplayEvent e;
        e.kind = DisplayEvent::FocusAnswer;
        m_events.push_back(e);
    }
    void verdictSound(quiz::Verdict verdict) override
    {
        DisplayEvent e;
        e.kind = DisplayEvent::Sound;
        e.verdict = verdict;
        m_events.push_back(e);
    }

    // What the learner types; not a write by the run, so not recorded.
    void type(const std::u16string& text) { m_answer = text; }

    const std::u16string& label(quiz::Label label) const
    {
        return m_labels[static_cast<std::size_t>(label)];
    }
    int picture() const { return m_picture; }
    const std::vector<DisplayEvent>& events() const { return m_events; }
    void clearEvents() { m_events.clear(); }

private:
    std::array<std::u16string, 6> m_labels;
    std::u16string m_answer;
    int m_picture = -1;
    std::vector<DisplayEvent> m_events;
};
