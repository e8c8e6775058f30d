#include "frmmain.h"

#include "app.h"
#include "defaultbutton.h"
#include "menubarfocus.h"
#include "mypath.h"
#include "picturebox.h"
#include "pictures.h"
#include "referenceforms.h"
#include "textbox.h"
#include "windowlook.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>

namespace {

// Where each label stands, in pixels of the client area, with its size while
// empty; the self-sizing ones grow to the right from this corner.
struct LabelDefinition
{
    quiz::Label role;
    const char* name;
    QRect geometry;
    qreal pointSize;
    bool sizesToText;
};

const LabelDefinition LabelDefinitions[] = {
    {quiz::Label::lblPiece0, "lblPiece0", {8, 232, 6, 12}, 9.0, true},
    {quiz::Label::lblPiece1, "lblPiece1", {8, 248, 6, 12}, 9.0, true},
    {quiz::Label::lblMode, "lblMode", {280, 40, 7, 16}, 12.0, true},
    {quiz::Label::lblnum, "lblnum", {24, 8, 65, 17}, 12.0, false},
    {quiz::Label::lblSeiseki, "lblSeiseki", {280, 64, 7, 16}, 12.0, true},
    {quiz::Label::lblTensuu, "lblTensuu", {280, 104, 8, 19}, 14.25, true},
};

const QSize ClientSize{387, 297};
const QPoint ClientOnScreen{114, 276};

} // namespace

frmMain::frmMain(platform::SoundPlayer& player, QWidget* parent)
    : QMainWindow(parent), m_menu(menuBar()), m_player(player), m_run(*this, *this, m_random)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Velumo手話学習"));
    // A fixed frame with minimise and close, and no maximise.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    platform::applyWindowLook(this);
    // The light blue is the window's and its labels'; the menu bar belongs to
    // the platform's frame.
    platform::keepPlatformColours(menuBar());

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(ClientSize);
    // The answer box has no font of its own and takes the window's; the menu
    // bar keeps the system's.
    client->setFont(platform::programFont(12.0, QFont::Normal));
    setCentralWidget(client);
    buildControls(client);

    // Naming the format spares the reader asking every image plugin about
    // each of the 46 pictures at every start.
    for (int p = 0; p < quiz::KanaTotal; ++p)
        m_imgTenzi[static_cast<std::size_t>(p)] = QImage(assets::handPicture(p), "BMP");

    connectHandlers();
    platform::MenuBarFocus::make(menuBar());
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    placeOnScreen();
}

void frmMain::buildControls(QWidget* client)
{
    for (const LabelDefinition& d : LabelDefinitions) {
        auto* label = new QLabel(client);
        label->setObjectName(QString::fromLatin1(d.name));
        platform::applyLabelLook(label, d.pointSize);
        label->setGeometry(d.geometry);
        m_labels[static_cast<std::size_t>(d.role)] = {label, d.geometry.size(), d.sizesToText};
    }

    m_imgPiece = new platform::PictureBox(client);
    m_imgPiece->setObjectName(QStringLiteral("imgPiece0"));
    m_imgPiece->setGeometry(8, 32, 256, 192);

    m_txtMain = new platform::TextBox(client);
    m_txtMain->setObjectName(QStringLiteral("txtMain"));
    m_txtMain->setGeometry(24, 264, 121, 25);
    m_txtMain->setMenuShortcuts(m_menu.shortcuts());

    m_cmdGo = new QPushButton(QStringLiteral("入力"), client);
    m_cmdGo->setObjectName(QStringLiteral("cmdGo"));
    m_cmdGo->setGeometry(160, 264, 57, 25);
    m_cmdGo->setFont(platform::programFont(9.0, QFont::Normal));
    m_cmdGo->setFocusPolicy(Qt::StrongFocus);
    m_cmdGo->setAutoDefault(false);

    QWidget::setTabOrder(m_txtMain, m_cmdGo);
    m_txtMain->setFocus();
    platform::DefaultButton::make(this, m_cmdGo);
}

void frmMain::connectHandlers()
{
    for (int Index = 1; Index <= quiz::StudyModeCount; ++Index) {
        connect(m_menu.mnuGakushuuMode[static_cast<std::size_t>(Index)], &QAction::triggered, this,
                [this, Index] { mnuGakushuuMode_Click(static_cast<std::int16_t>(Index)); });
    }
    connect(m_cmdGo, &QPushButton::clicked, this, &frmMain::cmdGo_Click);
    connect(m_menu.mnuGakushuuEnd, &QAction::triggered, this, &frmMain::mnuGakushuuEnd_Click);
    connect(m_menu.mnuKoukaonOn, &QAction::triggered, this, &frmMain::mnuKoukaonOn_Click);
    connect(m_menu.mnuKoukaonOff, &QAction::triggered, this, &frmMain::mnuKoukaonOff_Click);
    connect(m_menu.mnuHelpYubimozihyou, &QAction::triggered, this,
            &frmMain::mnuHelpYubimozihyou_Click);
    connect(m_menu.mnuHelpYubimozihyou2, &QAction::triggered, this,
            &frmMain::mnuHelpYubimozihyou2_Click);
    connect(m_menu.mnuHelpAbout, &QAction::triggered, this, &frmMain::mnuHelpAbout_Click);
}

// The client area, below the menu bar, opens at its stored place. On Wayland
// the compositor places windows itself.
void frmMain::placeOnScreen()
{
    adjustSize();
    const QPoint clientOffset = centralWidget()->geometry().topLeft();
    setGeometry(QRect(ClientOnScreen - clientOffset, size()));
}

void frmMain::Form_Load()
{
    if (platform::App::PrevInstance())
        platform::End();
    m_random.Randomize();
    m_run.fillKanaReadings();
    m_run.startUpStep();
}

void frmMain::mnuGakushuuMode_Click(std::int16_t Index)
{
    m_run.mnuGakushuuMode_Click(Index);
}

void frmMain::cmdGo_Click()
{
    m_run.cmdGo_Click();
}

void frmMain::mnuGakushuuEnd_Click()
{
    close();
}

void frmMain::mnuKoukaonOn_Click()
{
    m_menu.mnuKoukaonOn->setChecked(true);
    m_menu.mnuKoukaonOff->setChecked(false);
}

void frmMain::mnuKoukaonOff_Click()
{
    m_menu.mnuKoukaonOn->setChecked(false);
    m_menu.mnuKoukaonOff->setChecked(true);
}

void frmMain::mnuHelpYubimozihyou_Click()
{
    ::mnuHelpYubimozihyou_Click();
}

void frmMain::mnuHelpYubimozihyou2_Click()
{
    ::mnuHelpYubimozihyou2_Click();
}

void frmMain::mnuHelpAbout_Click()
{
    ::mnuHelpAbout_Click();
}

QString frmMain::MyPath()
{
    return withFinalSeparator(platform::App::Path());
}

void frmMain::setLabelText(quiz::Label label, const std::u16string& text)
{
    LabelSlot& slot = m_labels[static_cast<std::size_t>(label)];
    slot.label->setText(QString::fromStdU16String(text));
    if (slot.sizesToText)
        slot.label->resize(text.empty() ? slot.emptySize : slot.label->sizeHint());
}

void frmMain::showPicture(int p)
{
    if (p >= 0 && p < quiz::KanaTotal)
        m_imgPiece->setPicture(m_imgTenzi[static_cast<std::size_t>(p)]);
}

std::u16string frmMain::answerText() const
{
    return m_txtMain->text().toStdU16String();
}

void frmMain::setAnswerText(const std::u16string& text)
{
    m_txtMain->replaceText(QString::fromStdU16String(text));
}

void frmMain::focusAnswer()
{
    m_txtMain->setFocus(Qt::OtherFocusReason);
}

void frmMain::verdictSound(quiz::Verdict verdict)
{
    if (!m_menu.mnuKoukaonOn->isChecked())
        return;
    const QString name = verdict == quiz::Verdict::Right ? QStringLiteral("seikai.wav")
                                                         : QStringLiteral("huseikai.wav");
    m_player.play(QFile::encodeName(MyPath() + name).toStdString());
}
