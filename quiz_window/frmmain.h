// The quiz window: the frame around the quiz run, its display slots, its
// menu bar and its handlers.
#pragma once

#include "menubar.h"
#include "quizdisplay.h"
#include "quizrun.h"
#include "soundplayer.h"
#include "timerrandom.h"

#include <QMainWindow>
#include <QPixmap>

#include <array>

class QLabel;
class QPushButton;

namespace platform {
class TextBox;
}

class frmMain : public QMainWindow, private quiz::QuizDisplay, private quiz::VerdictSound
{
public:
    explicit frmMain(QWidget* parent = nullptr);

    // Runs before the window first shows; ends the program at once when
    // another instance runs.
    void Form_Load();

    void mnuGakushuuMode_Click(std::int16_t Index);
    void cmdGo_Click();
    void mnuGakushuuEnd_Click();
    void mnuKoukaonOn_Click();
    void mnuKoukaonOff_Click();
    void mnuHelpYubimozihyou_Click();
    void mnuHelpYubimozihyou2_Click();
    void mnuHelpAbout_Click();

    // The program's folder with one separator at its end, where the sound
    // files are looked up.
    static QString MyPath();

    const quiz::QuizState& state() const { return m_run.state(); }
    const QPixmap& imgTenzi(int p) const { return m_imgTenzi[static_cast<std::size_t>(p)]; }
    const MenuBar& menus() const { return m_menu; }

private:
    void setLabelText(quiz::Label label, const std::u16string& text) override;
    void showPicture(int p) override;
    std::u16string answerText() const override;
    void setAnswerText(const std::u16string& text) override;
    void focusAnswer() override;
    void verdictSound(quiz::Verdict verdict) override;

    void buildControls(QWidget* client);
    void connectHandlers();
    void placeOnScreen();

    struct LabelSlot
    {
        QLabel* label = nullptr;
        QSize emptySize;
        bool sizesToText = false;
    };
    std::array<LabelSlot, 6> m_labels{};
    QLabel* m_imgPiece = nullptr;
    platform::TextBox* m_txtMain = nullptr;
    QPushButton* m_cmdGo = nullptr;
    MenuBar m_menu;
    // The picture store: all 46 hand-shape pictures, ready from the window's
    // construction, so showing a question only hands one over.
    std::array<QPixmap, quiz::KanaTotal> m_imgTenzi;

    platform::TimerRandom m_random;
    platform::SoundPlayer m_player;
    quiz::QuizRun m_run;
};
