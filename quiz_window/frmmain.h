// The quiz window: the frame around the quiz run, its display slots, its
// menu bar and its handlers.
#pragma once

#include "menubar.h"
#include "quizdisplay.h"
#include "quizrun.h"
#include "soundplayer.h"
#include "timerrandom.h"

#include <QImage>
#include <QMainWindow>

#include <array>

class QLabel;
class QPushButton;

namespace platform {
class PictureBox;
class TextBox;
} // namespace platform

class frmMain : public QMainWindow, private quiz::QuizDisplay, private quiz::VerdictSound
{
public:
    // The sound player belongs to the program, not to the window: a sound
    // that plays when the window closes plays to its end.
    explicit frmMain(platform::SoundPlayer& player, QWidget* parent = nullptr);

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
    const QImage& imgTenzi(int p) const { return m_imgTenzi[static_cast<std::size_t>(p)]; }
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
    platform::PictureBox* m_imgPiece = nullptr;
    platform::TextBox* m_txtMain = nullptr;
    QPushButton* m_cmdGo = nullptr;
    MenuBar m_menu;
    // The picture store: all 46 hand-shape pictures, decoded at the window's
    // construction, so showing a question only hands one over. They stay in
    // their 16 greys: as full-colour pixmaps they would cost four times the
    // memory and a conversion each at every start.
    std::array<QImage, quiz::KanaTotal> m_imgTenzi;

    platform::TimerRandom m_random;
    platform::SoundPlayer& m_player;
    quiz::QuizRun m_run;
};
