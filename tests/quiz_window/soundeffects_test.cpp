// The verdict sounds as the learner hears them: the quiz window with its own
// sound player, against SDL's disk audio driver, whose output each test reads
// back and searches for its tones by frequency.
//
// The sound files belong in the program's folder, which for a test is the
// folder of this executable. So that no test writes into the build tree,
// main() copies the executable into a temporary folder and runs the copy,
// which runs the tests; the test of a folder with a non-ASCII name makes a
// copy of its own in the same way.
#include "decimaltext.h"
#include "diskaudio.h"
#include "frmmain.h"
#include "referenceforms.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <SDL.h>

#include <sys/prctl.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <memory>

namespace fs = std::filesystem;

namespace {

// Frequencies that fill a 20 ms window with whole cycles, far enough apart
// that one never passes for another.
constexpr double SeikaiHz = 500.0;
constexpr double HuseikaiHz = 1250.0;
// The alert sound of the tests' own sound theme, the default sound.
constexpr double ThemeHz = 1750.0;

constexpr std::size_t npos = DiskOutput::npos;
constexpr std::size_t WindowsPerSecond = 50;

// Set for a copy that runs the tests; without it, main() makes the copy.
const char* const InProgramCopy = "VELUMO_SOUND_TEST_COPY";

struct CopyRun
{
    int exitCode = -1;
    QString output;
};

// Copies this executable into the folder `folderName` of a fresh temporary
// folder and runs it there with `arguments` and the `settings` ("NAME=value")
// added to this process's environment. The copy gets a runtime folder of its
// own, so that its instance lock never meets another's, and it dies with the
// process that started it.
CopyRun runCopy(const QString& folderName, const QStringList& arguments,
                const QStringList& settings, QProcess::ProcessChannelMode channels)
{
    CopyRun run;
    QTemporaryDir root(QDir::temp().filePath(QStringLiteral("velumo-sound-XXXXXX")));
    const QString self = QCoreApplication::applicationFilePath();
    const QString folder = root.filePath(folderName);
    const QString program = QDir(folder).filePath(QFileInfo(self).fileName());
    const QString runtime = root.filePath(QStringLiteral("run"));
    if (!root.isValid() || !QDir().mkpath(folder) || !QDir().mkpath(runtime) ||
        !QFile::copy(self, program) ||
        !QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
        run.output = QStringLiteral("cannot copy %1 to %2").arg(self, program);
        return run;
    }

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(InProgramCopy), QStringLiteral("1"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    for (const QString& setting : settings)
        environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));

    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(channels);
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    process.start(program, arguments);
    // The copy's own waits all give up well within this.
    if (!process.waitForFinished(10 * 60 * 1000))
        process.kill();
    process.waitForFinished();
    run.output = QString::fromLocal8Bit(process.readAll());
    if (process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    else
        run.output += QStringLiteral("\n%1 ended abnormally").arg(program);
    return run;
}

fs::path nativePath(const QString& path)
{
    return fs::path(QFile::encodeName(path).toStdString());
}

} // namespace

class SoundEffectsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_startFolder = QDir::currentPath(); }

    // Every test starts with a new window, both sound files (300 ms tones) in
    // the program's folder, and a folder of its own for the driver's output
    // and the sound theme. The current folder is that one, not the program's,
    // so a file found relative to it would not be the right one.
    void init()
    {
        m_work = std::make_unique<QTemporaryDir>();
        QVERIFY(m_work->isValid());
        const fs::path work = nativePath(m_work->path());
        const fs::path stereo = work / "theme/sounds/freedesktop/stereo";
        fs::create_directories(stereo);
        fs::create_directories(work / "data-home");
        writeFile(stereo / "bell.wav", toneWav(ThemeHz, 300));

        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", outputFile().c_str());
        // The driver's own pace is that of playback, so a long sound is still
        // playing when the next answer comes.
        qunsetenv("SDL_DISKAUDIODELAY");
        qputenv("XDG_DATA_HOME", (work / "data-home").c_str());
        qputenv("XDG_DATA_DIRS", (work / "theme").c_str());

        writeSound("seikai.wav", SeikaiHz, 300);
        writeSound("huseikai.wav", HuseikaiHz, 300);
        QVERIFY(QDir::setCurrent(m_work->path()));

        m_player = std::make_unique<platform::SoundPlayer>();
        m_window = new frmMain(*m_player);
        m_window->Form_Load();
        m_window->show();
        m_txtMain = m_window->findChild<QLineEdit*>("txtMain");
        m_cmdGo = m_window->findChild<QPushButton*>("cmdGo");
        QVERIFY(m_txtMain && m_cmdGo);
    }

    void cleanup()
    {
        delete m_window;
        frmHyou1Object().Unload();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_player.reset();
        std::error_code error;
        fs::remove(programFolder() / "seikai.wav", error);
        fs::remove(programFolder() / "huseikai.wav", error);
        QDir::setCurrent(m_startFolder);
        m_work.reset();
    }

    void answerPlaysItsVerdictSound_data()
    {
        QTest::addColumn<bool>("right");
        QTest::addColumn<QString>("missing");
        QTest::addColumn<double>("expectedHz");
        QTest::newRow("right answer") << true << QString() << SeikaiHz;
        QTest::newRow("wrong answer") << false << QString() << HuseikaiHz;
        QTest::newRow("right answer, seikai.wav missing") << true << "seikai.wav" << ThemeHz;
        QTest::newRow("wrong answer, huseikai.wav missing") << false << "huseikai.wav" << ThemeHz;
    }
    void answerPlaysItsVerdictSound()
    {
        QFETCH(bool, right);
        QFETCH(QString, missing);
        QFETCH(double, expectedHz);
        if (!missing.isEmpty())
            QVERIFY(fs::remove(programFolder() / missing.toStdString()));

        switchOn();
        chooseMode();
        answer(right);
        // A sound that cannot be played is no error: the run goes on as usual.
        QCOMPARE(text("lblSeiseki"),
                 right ? QStringLiteral("正解数 1/1") : QStringLiteral("正解数 0/1"));
        QCOMPARE(text("lblnum"), QStringLiteral("第 2 問"));
        QVERIFY(m_txtMain->text().isEmpty());
        QVERIFY(!otherWindowShows());

        DiskOutput out = output();
        const std::size_t start = out.waitForTone(expectedHz);
        QVERIFY2(start != npos, "the expected sound never plays");
        QVERIFY(out.waitForWindows(start + WindowsPerSecond));
        for (const double hz : {SeikaiHz, HuseikaiHz, ThemeHz}) {
            if (hz != expectedHz)
                QCOMPARE(out.findTone(hz), npos);
        }
    }

    // Without a sound to play the audio system stays shut: not opened by the
    // window, by a run or by an answer. Without a working driver the quiz
    // itself goes on unchanged.
    void silentRunLeavesAudioShut_data()
    {
        QTest::addColumn<QStringList>("switches");
        QTest::addColumn<QByteArray>("driver");
        QTest::newRow("off at start, menu untouched") << QStringList() << QByteArray("disk");
        QTest::newRow("on, then off before the first answer")
            << QStringList{"on", "off"} << QByteArray("disk");
        QTest::newRow("on, with an audio driver that does not exist")
            << QStringList{"on"} << QByteArray("no-such-driver");
    }
    void silentRunLeavesAudioShut()
    {
        QFETCH(QStringList, switches);
        QFETCH(QByteArray, driver);
        qputenv("SDL_AUDIODRIVER", driver);
        for (const QString& item : switches)
            (item == u"on" ? m_window->menus().mnuKoukaonOn : m_window->menus().mnuKoukaonOff)
                ->trigger();

        chooseMode();
        int rightAnswers = 0;
        for (int n = 1; n <= 10; ++n) {
            const bool right = n % 3 != 0;
            rightAnswers += right ? 1 : 0;
            answer(right);
            QCOMPARE(text("lblSeiseki"), QStringLiteral("正解数 %1/%2").arg(rightAnswers).arg(n));
            if (n < 10)
                QCOMPARE(text("lblnum"), QStringLiteral("第 %1 問").arg(n + 1));
        }
        QCOMPARE(text("lblTensuu"), QStringLiteral("70点"));
        QCOMPARE(text("lblPiece1"), QStringLiteral("学習する内容を選択してください。"));
        QCOMPARE(m_window->state().QuizActive, 0);
        QVERIFY(!otherWindowShows());

        QCOMPARE(SDL_WasInit(SDL_INIT_AUDIO), 0u);
        QVERIFY2(!fs::exists(outputFile()), "the audio device was opened");
    }

    // OFF counts from the next answer; the sound that plays already is left
    // to end on its own.
    void switchingOffSilencesTheNextAnswerOnly()
    {
        writeSound("seikai.wav", SeikaiHz, 1500);
        switchOn();
        chooseMode();
        answer(true);
        DiskOutput out = output();
        const std::size_t start = out.waitForTone(SeikaiHz);
        QVERIFY(start != npos);

        m_window->menus().mnuKoukaonOff->trigger();
        answer(false);
        QCOMPARE(text("lblSeiseki"), QStringLiteral("正解数 1/2"));
        QVERIFY(out.waitForWindows(start + 2 * WindowsPerSecond));
        QCOMPARE(out.findTone(HuseikaiHz), npos);
        QCOMPARE(out.findTone(ThemeHz), npos);
        // 1.5 s are 75 windows; the edges may fall inside a window.
        QVERIFY2(out.countTone(SeikaiHz) >= 73, "the playing sound was stopped");
    }

    // The player belongs to the program: closing the quiz window while a chart
    // stays open leaves the sound that plays to run to its end.
    void soundPlaysToItsEndAfterTheQuizWindowCloses()
    {
        writeSound("seikai.wav", SeikaiHz, 1500);
        // As the program makes it: closing destroys the window.
        m_window->setAttribute(Qt::WA_DeleteOnClose);
        m_window->menus().mnuHelpYubimozihyou->trigger();
        QVERIFY(frmHyou1Object().window() != nullptr);
        switchOn();
        chooseMode();
        answer(true);
        DiskOutput out = output();
        const std::size_t start = out.waitForTone(SeikaiHz);
        QVERIFY(start != npos);

        m_window->menus().mnuGakushuuEnd->trigger();
        QTRY_VERIFY(m_window.isNull());
        QVERIFY(frmHyou1Object().window() != nullptr);
        QVERIFY2(out.waitForWindows(start + 2 * WindowsPerSecond), "the output stopped");
        // 1.5 s are 75 windows; the edges may fall inside a window.
        QVERIFY2(out.countTone(SeikaiHz) >= 73, "the sound stopped with the quiz window");
    }

    void secondAnswerCutsTheFirstSoundShort()
    {
        writeSound("seikai.wav", SeikaiHz, 5000);
        switchOn();
        chooseMode();
        answer(true);
        DiskOutput out = output();
        const std::size_t first = out.waitForTone(SeikaiHz);
        QVERIFY(first != npos);

        answer(false);
        const std::size_t second = out.waitForTone(HuseikaiHz, first);
        QVERIFY(second != npos);
        QVERIFY(out.waitForWindows(second + WindowsPerSecond));
        QCOMPARE(out.findTone(SeikaiHz, second), npos);
    }

    // Only answers sound: the tenth does, the score after it does not, and
    // neither does the start of a run, the first or a later one.
    void onlyAnswersSoundUpToTheTenth()
    {
        switchOn();
        chooseMode();
        QCOMPARE(SDL_WasInit(SDL_INIT_AUDIO), 0u);
        QVERIFY2(!fs::exists(outputFile()), "the start of a run opened the audio device");

        for (int n = 1; n <= 9; ++n)
            answer(false);
        DiskOutput out = output();
        QVERIFY(out.waitForTone(HuseikaiHz) != npos);

        answer(true);
        QCOMPARE(text("lblTensuu"), QStringLiteral("10点"));
        const std::size_t tenth = out.waitForTone(SeikaiHz);
        QVERIFY2(tenth != npos, "the tenth answer plays no sound");

        // The 300 ms of the tenth sound are 15 windows, and may straddle one
        // more; after that, silence through the score and the next start.
        const std::size_t quietFrom = tenth + 17;
        QVERIFY(out.waitForWindows(quietFrom + WindowsPerSecond / 2));
        chooseMode();
        QCOMPARE(text("lblnum"), QStringLiteral("第 1 問"));
        out.reload();
        QVERIFY(out.waitForWindows(out.windowCount() + WindowsPerSecond));
        for (std::size_t w = quietFrom; w < out.windowCount(); ++w)
            QVERIFY2(out.isSilent(w), qPrintable(QStringLiteral("window %1").arg(w)));
    }

    // The rest of the answer step shows while the sound is still being
    // written: an answer that waited for its sound would find all of it in
    // the driver's output on return.
    void answerStepGoesOnWhileTheSoundPlays()
    {
        writeSound("seikai.wav", SeikaiHz, 4000);
        switchOn();
        chooseMode();
        answer(true);
        DiskOutput out = output();
        out.reload();
        QCOMPARE(text("lblSeiseki"), QStringLiteral("正解数 1/1"));
        QCOMPARE(text("lblnum"), QStringLiteral("第 2 問"));
        QVERIFY(m_txtMain->text().isEmpty());
        QVERIFY2(out.countTone(SeikaiHz) < 3 * WindowsPerSecond, "the answer waited for its sound");
        QVERIFY(out.waitForTone(SeikaiHz) != npos);
    }

    // A program folder whose name is not ASCII: a copy of this executable in
    // such a folder plays its own files. The C locale must not matter either.
    void programFolderWithNonAsciiName_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("UTF-8 locale") << "C.UTF-8";
        QTest::newRow("C locale") << "C";
    }
    void programFolderWithNonAsciiName()
    {
        QFETCH(QString, locale);
        const QStringList rows{QStringLiteral("answerPlaysItsVerdictSound:right answer"),
                               QStringLiteral("answerPlaysItsVerdictSound:wrong answer")};
        const CopyRun run = runCopy(QStringLiteral("効果音テスト"), rows,
                                    {QStringLiteral("LC_ALL=") + locale}, QProcess::MergedChannels);
        QVERIFY2(run.exitCode == 0, qPrintable(run.output));
        // A copy that ran nothing would end with 0 too.
        for (const QString& row : rows) {
            const QString pass = QStringLiteral("PASS   : SoundEffectsTest::%1(%2)")
                                     .arg(row.section(u':', 0, 0), row.section(u':', 1));
            QVERIFY2(run.output.contains(pass), qPrintable(run.output));
        }
    }

private:
    static fs::path programFolder() { return nativePath(QCoreApplication::applicationDirPath()); }
    fs::path outputFile() const { return nativePath(m_work->filePath("output.raw")); }
    DiskOutput output() const { return DiskOutput(outputFile()); }

    static void writeSound(const char* name, double hz, int milliseconds)
    {
        writeFile(programFolder() / name, toneWav(hz, milliseconds));
    }

    void switchOn() { m_window->menus().mnuKoukaonOn->trigger(); }
    void chooseMode() { m_window->menus().mnuGakushuuMode[13]->trigger(); }

    // Types the current question's reading, or a text that is surely wrong,
    // and presses 入力.
    void answer(bool right)
    {
        const quiz::QuizState& s = m_window->state();
        const auto question = static_cast<std::size_t>(s.QuestionNumber - 1);
        const auto kana = static_cast<std::size_t>(quiz::decimalValue(s.QuestionList[question]));
        m_txtMain->setText(right ? QString::fromStdU16String(s.KanaReadings[kana - 1])
                                 : QStringLiteral("x"));
        m_cmdGo->click();
    }

    QString text(const char* label) const { return m_window->findChild<QLabel*>(label)->text(); }

    // A message box or any other window beside the quiz.
    bool otherWindowShows() const
    {
        const QWidgetList windows = QApplication::topLevelWidgets();
        return std::any_of(windows.begin(), windows.end(),
                           [this](QWidget* w) { return w != m_window && w->isVisible(); });
    }

    QString m_startFolder;
    std::unique_ptr<QTemporaryDir> m_work;
    std::unique_ptr<platform::SoundPlayer> m_player;
    QPointer<frmMain> m_window;
    QLineEdit* m_txtMain = nullptr;
    QPushButton* m_cmdGo = nullptr;
};

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet(InProgramCopy)) {
        QCoreApplication driver(argc, argv);
        const CopyRun run = runCopy(QStringLiteral("program"), QCoreApplication::arguments().mid(1),
                                    {}, QProcess::ForwardedChannels);
        if (!run.output.isEmpty())
            qCritical("%s", qPrintable(run.output));
        return run.exitCode == 0 ? 0 : 1;
    }
    QApplication app(argc, argv);
    SoundEffectsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "soundeffects_test.moc"
