// The player runs against SDL's disk audio driver, which writes the mixed
// output as raw samples to a file; each test reads that file back and looks for
// its tones by frequency.
#include "defaultsound.h"
#include "diskaudio.h"
#include "soundplayer.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using platform::SoundPlayer;

namespace {

// Frequencies that fill a 20 ms window with whole cycles, far enough apart
// that one never passes for another.
constexpr double FirstHz = 500.0;
constexpr double SecondHz = 1250.0;
constexpr double ThemeHz = 1750.0;

constexpr std::size_t npos = DiskOutput::npos;

// A WAV header that claims `dataBytes` of samples and holds none of them.
std::vector<char> waveClaiming(std::uint32_t dataBytes)
{
    std::vector<char> wav = toneWav(FirstHz, 0);
    const auto put = [&wav](std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            wav[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    put(4, 36 + dataBytes);
    put(40, dataBytes);
    return wav;
}

// A MIDI file of one track: a tempo of `microsecondsPerBeat`, one note held
// for `ticks` at one tick per beat, and the end of the track.
std::vector<char> heldNoteMidi(std::uint32_t microsecondsPerBeat, std::uint32_t ticks)
{
    std::vector<char> track = {0x00,
                               static_cast<char>(0xFF),
                               0x51,
                               0x03,
                               static_cast<char>(microsecondsPerBeat >> 16),
                               static_cast<char>(microsecondsPerBeat >> 8),
                               static_cast<char>(microsecondsPerBeat),
                               0x00,
                               static_cast<char>(0x90),
                               0x3C,
                               0x64};
    std::vector<char> delta;
    for (std::uint32_t rest = ticks;; rest >>= 7) {
        delta.insert(delta.begin(), static_cast<char>((rest & 0x7F) | (delta.empty() ? 0 : 0x80)));
        if (rest < 0x80)
            break;
    }
    track.insert(track.end(), delta.begin(), delta.end());
    track.insert(track.end(),
                 {static_cast<char>(0x80), 0x3C, 0x00, 0x00, static_cast<char>(0xFF), 0x2F, 0x00});
    std::vector<char> midi = {
        'M', 'T', 'h', 'd', 0,   0,   0,   6, 0, 0, 0,
        1,   0,   1,   'M', 'T', 'r', 'k', 0, 0, 0, static_cast<char>(track.size())};
    midi.insert(midi.end(), track.begin(), track.end());
    return midi;
}

std::uint64_t statusField(const std::string& name)
{
    std::ifstream status("/proc/self/status");
    std::string key;
    std::uint64_t kib = 0;
    while (status >> key) {
        if (key == name + ":" && status >> kib)
            return kib * 1024;
    }
    return 0;
}

// Lets this process map at most `extra` bytes more than it has mapped now, so
// that a player which decodes a file whole fails to allocate instead of
// eating the machine; measured from the mapped size so that the sanitizer's
// reserved shadow memory does not count.
class AddressSpaceLimit
{
public:
    explicit AddressSpaceLimit(std::uint64_t extra)
    {
        getrlimit(RLIMIT_AS, &m_previous);
        rlimit limit = m_previous;
        limit.rlim_cur = statusField("VmSize") + extra;
        m_set = setrlimit(RLIMIT_AS, &limit) == 0;
    }
    ~AddressSpaceLimit() { setrlimit(RLIMIT_AS, &m_previous); }
    AddressSpaceLimit(const AddressSpaceLimit&) = delete;
    AddressSpaceLimit& operator=(const AddressSpaceLimit&) = delete;

    bool isSet() const { return m_set; }

private:
    rlimit m_previous{};
    bool m_set = false;
};

// A temporary folder for the sound files and the driver's output, and a sound
// theme of its own whose alert sound is a tone at ThemeHz.
class SoundPlayerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string pattern = (fs::path(::testing::TempDir()) / "velumo-sound-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
        const fs::path stereo = m_dir / "theme/sounds/freedesktop/stereo";
        fs::create_directories(stereo);
        fs::create_directories(m_dir / "data-home");
        writeFile(stereo / "bell.wav", toneWav(ThemeHz, 400));

        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", (m_dir / "output.raw").c_str(), 1);
        // The driver's own pace is that of playback, so a long sound is still
        // playing when the next call comes.
        unsetenv("SDL_DISKAUDIODELAY");
        setenv("XDG_DATA_HOME", (m_dir / "data-home").c_str(), 1);
        setenv("XDG_DATA_DIRS", (m_dir / "theme").c_str(), 1);
    }

    void TearDown() override
    {
        std::error_code error;
        fs::remove_all(m_dir, error);
    }

    std::string path(const std::string& name) const { return (m_dir / name).string(); }
    DiskOutput output() const { return DiskOutput(m_dir / "output.raw"); }

    fs::path m_dir;
};

TEST_F(SoundPlayerTest, PlaysTheFileOnce)
{
    writeFile(path("seikai.wav"), toneWav(FirstHz, 300));
    SoundPlayer player;
    player.play(path("seikai.wav"));

    DiskOutput out = output();
    const std::size_t start = out.waitForTone(FirstHz);
    ASSERT_NE(start, npos);
    ASSERT_TRUE(out.waitForWindows(start + 50));

    // 300 ms are 15 windows; the edges may fall inside a window.
    EXPECT_GE(out.countTone(FirstHz), 13u);
    EXPECT_LE(out.countTone(FirstHz), 16u);
    for (std::size_t w = start + 17; w < start + 50; ++w)
        EXPECT_TRUE(out.isSilent(w)) << "window " << w - start << " after the start";
}

TEST_F(SoundPlayerTest, NextCallCutsTheSoundingFileShort)
{
    writeFile(path("seikai.wav"), toneWav(FirstHz, 5000));
    writeFile(path("huseikai.wav"), toneWav(SecondHz, 300));
    SoundPlayer player;
    player.play(path("seikai.wav"));
    DiskOutput out = output();
    ASSERT_NE(out.waitForTone(FirstHz), npos);

    player.play(path("huseikai.wav"));
    const std::size_t second = out.waitForTone(SecondHz);
    ASSERT_NE(second, npos);
    ASSERT_TRUE(out.waitForWindows(second + 50));
    EXPECT_EQ(out.findTone(FirstHz, second), npos) << "the first sound goes on";
    EXPECT_LT(out.countTone(FirstHz), 200u);
}

TEST_F(SoundPlayerTest, FindsFilesInAFolderWithANonAsciiName)
{
    fs::create_directory(path("音声テスト"));
    writeFile(path("音声テスト/seikai.wav"), toneWav(FirstHz, 300));
    SoundPlayer player;
    player.play(path("音声テスト/seikai.wav"));
    EXPECT_NE(output().waitForTone(FirstHz), npos);
}

TEST_F(SoundPlayerTest, PathMayBeReleasedRightAfterTheCall)
{
    writeFile(path("seikai.wav"), toneWav(FirstHz, 300));
    SoundPlayer player;
    auto name = std::make_unique<std::string>(path("seikai.wav"));
    player.play(*name);
    name->assign(name->size(), '?');
    name.reset();
    EXPECT_NE(output().waitForTone(FirstHz), npos);
}

// A path that gives no playable sound, made in the test's folder.
struct UnplayableRow
{
    const char* name;
    std::function<void(const fs::path&)> make;
};

void PrintTo(const UnplayableRow& row, std::ostream* out)
{
    *out << row.name;
}

class SoundPlayerDefaultTest : public SoundPlayerTest,
                               public ::testing::WithParamInterface<UnplayableRow>
{
};

TEST_P(SoundPlayerDefaultTest, PlaysTheThemeAlertInstead)
{
    const fs::path file = path("sounds/seikai.wav");
    fs::create_directory(file.parent_path());
    GetParam().make(file);
    SoundPlayer player;
    player.play(file.string());
    EXPECT_NE(output().waitForTone(ThemeHz), npos);
}

INSTANTIATE_TEST_SUITE_P(
    Unplayable, SoundPlayerDefaultTest,
    ::testing::Values(
        UnplayableRow{"MissingFile", [](const fs::path&) {}},
        UnplayableRow{"MissingFolder",
                      [](const fs::path& file) { fs::remove(file.parent_path()); }},
        UnplayableRow{"EmptyFile", [](const fs::path& file) { writeFile(file, {}); }},
        UnplayableRow{"GarbageBytes",
                      [](const fs::path& file) {
                          std::vector<char> bytes(4096);
                          for (std::size_t i = 0; i < bytes.size(); ++i)
                              bytes[i] = static_cast<char>((i * 7919 + 13) % 251);
                          writeFile(file, bytes);
                      }},
        UnplayableRow{"PlainText",
                      [](const fs::path& file) {
                          const std::string text = "not a sound\n";
                          writeFile(file, {text.begin(), text.end()});
                      }},
        UnplayableRow{"WaveHeaderOnly",
                      [](const fs::path& file) {
                          std::vector<char> wav = toneWav(FirstHz, 300);
                          wav.resize(12);
                          writeFile(file, wav);
                      }},
        // A header that opens but yields no samples.
        UnplayableRow{"WaveWithEmptyData",
                      [](const fs::path& file) { writeFile(file, toneWav(FirstHz, 0)); }},
        UnplayableRow{"WaveClaimingDataItLacks",
                      [](const fs::path& file) { writeFile(file, waveClaiming(0x7FFFFFF0)); }},
        UnplayableRow{"Folder", [](const fs::path& file) { fs::create_directory(file); }},
        // Opening a FIFO would wait for a writer: the call must not.
        UnplayableRow{"Fifo",
                      [](const fs::path& file) { ASSERT_EQ(mkfifo(file.c_str(), 0600), 0); }}),
    [](const ::testing::TestParamInfo<UnplayableRow>& row) { return row.param.name; });

// Files that are small on disk but stand for a long sound: the call returns at
// once and memory stays far below what decoding them whole takes, here under
// a limit that such a decoding would come near.
struct LongSoundRow
{
    const char* name;
    std::vector<char> bytes;
};

void PrintTo(const LongSoundRow& row, std::ostream* out)
{
    *out << row.name;
}

class SoundPlayerBoundedTest : public SoundPlayerTest,
                               public ::testing::WithParamInterface<LongSoundRow>
{
};

TEST_P(SoundPlayerBoundedTest, ReturnsAtOnceAndKeepsMemoryBounded)
{
    constexpr std::uint64_t MiB = 1024 * 1024;
    const fs::path file = path("huseikai.wav");
    writeFile(file, GetParam().bytes);
    const AddressSpaceLimit limit(2048 * MiB);
    ASSERT_TRUE(limit.isSet());
    rusage before{};
    getrusage(RUSAGE_SELF, &before);

    SoundPlayer player;
    const auto start = std::chrono::steady_clock::now();
    player.play(file.string());
    const auto took = std::chrono::steady_clock::now() - start;
    // Far beyond what handing a file over takes, far below what decoding one
    // of these whole takes.
    EXPECT_LT(took, std::chrono::seconds(2));

    // One second of output: the sound, or the default sound, is playing.
    EXPECT_TRUE(output().waitForWindows(50));
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    EXPECT_LT(static_cast<std::uint64_t>(after.ru_maxrss - before.ru_maxrss) * 1024, 256 * MiB);
}

INSTANTIATE_TEST_SUITE_P(
    SmallFiles, SoundPlayerBoundedTest,
    ::testing::Values(
        // 44 bytes: one note held for 2^28 beats of 16.7 s.
        LongSoundRow{"MidiNoteHeldForever", heldNoteMidi(0xFFFFFF, 0x0FFFFFFF)},
        LongSoundRow{"MidiNoteOfAnHour", heldNoteMidi(500000, 7200)},
        // 60 KB at 15 Hz: 2,000 seconds at the device's rate.
        LongSoundRow{"WaveAtFifteenHertz", toneWav(1.0, 2000 * 1000, 15)}),
    [](const ::testing::TestParamInfo<LongSoundRow>& row) { return row.param.name; });

TEST_F(SoundPlayerTest, WithoutSoundThemePlaysTheBuiltInTone)
{
    setenv("XDG_DATA_DIRS", (m_dir / "no-such-folder").c_str(), 1);
    SoundPlayer player;
    player.play(path("seikai.wav"));
    EXPECT_NE(output().waitForTone(platform::FallbackToneFrequency), npos);
}

// The installed freedesktop theme ships Ogg Vorbis: this checks that the
// mixer decodes it, by comparing with the theme's bell as SDL_mixer reads it.
TEST_F(SoundPlayerTest, InstalledSoundThemeDecodes)
{
    const std::string bell = "/usr/share/sounds/freedesktop/stereo/bell.oga";
    if (!fs::exists(bell))
        GTEST_SKIP() << "sound-theme-freedesktop is not installed";
    setenv("XDG_DATA_DIRS", "/usr/share", 1);
    SoundPlayer player;
    player.play(path("seikai.wav"));
    // The mixer's decoders are not safe to set up from two threads at once:
    // the reference is read only after the player's thread has loaded the
    // bell and set it playing.
    DiskOutput out = output();
    ASSERT_TRUE(out.waitUntil([](const DiskOutput& o) {
        for (std::size_t w = 0; w < o.windowCount(); ++w) {
            if (!o.isSilent(w))
                return true;
        }
        return false;
    }));

    Mix_Chunk* chunk = Mix_LoadWAV(bell.c_str());
    ASSERT_NE(chunk, nullptr) << Mix_GetError();
    int rate = 0;
    int channels = 0;
    Uint16 format = 0;
    ASSERT_NE(Mix_QuerySpec(&rate, &format, &channels), 0);
    std::vector<std::int16_t> pattern;
    const auto* samples = reinterpret_cast<const std::int16_t*>(chunk->abuf);
    const std::size_t frames = chunk->alen / (2 * static_cast<std::size_t>(channels));
    for (std::size_t i = 0; i < frames && pattern.size() < 2000; ++i) {
        const std::int16_t sample = samples[i * static_cast<std::size_t>(channels)];
        if (!pattern.empty() || sample != 0)
            pattern.push_back(sample);
    }
    Mix_FreeChunk(chunk);
    ASSERT_EQ(pattern.size(), 2000u);

    EXPECT_TRUE(out.waitUntil([&](const DiskOutput& o) { return o.contains(pattern); }));
}

// How the sound file changes between two calls, and the tone each call plays.
struct ChangeRow
{
    const char* name;
    std::function<void(const fs::path&)> before;
    double firstHz;
    std::function<void(const fs::path&)> change;
    double secondHz;
};

void PrintTo(const ChangeRow& row, std::ostream* out)
{
    *out << row.name;
}

class SoundPlayerChangeTest : public SoundPlayerTest,
                              public ::testing::WithParamInterface<ChangeRow>
{
};

TEST_P(SoundPlayerChangeTest, CountsFromTheNextCall)
{
    const ChangeRow& row = GetParam();
    const fs::path file = path("seikai.wav");
    row.before(file);
    SoundPlayer player;
    player.play(file.string());
    DiskOutput out = output();
    const std::size_t first = out.waitForTone(row.firstHz);
    ASSERT_NE(first, npos);

    row.change(file);
    player.play(file.string());
    EXPECT_NE(out.waitForTone(row.secondHz, first + 1), npos);
}

void writeFirst(const fs::path& file)
{
    writeFile(file, toneWav(FirstHz, 2000));
}

INSTANTIATE_TEST_SUITE_P(
    Changes, SoundPlayerChangeTest,
    ::testing::Values(ChangeRow{"Added", [](const fs::path&) {}, ThemeHz, writeFirst, FirstHz},
                      ChangeRow{"Removed", writeFirst, FirstHz,
                                [](const fs::path& file) { fs::remove(file); }, ThemeHz},
                      // Same size and same time stamp: only the content tells them apart.
                      ChangeRow{"Replaced", writeFirst, FirstHz,
                                [](const fs::path& file) {
                                    const auto stamp = fs::last_write_time(file);
                                    writeFile(file, toneWav(SecondHz, 2000));
                                    fs::last_write_time(file, stamp);
                                },
                                SecondHz}),
    [](const ::testing::TestParamInfo<ChangeRow>& row) { return row.param.name; });

TEST_F(SoundPlayerTest, WithoutAudioDriverPlayReturnsAndLaterCallsRetry)
{
    writeFile(path("seikai.wav"), toneWav(FirstHz, 300));
    setenv("SDL_AUDIODRIVER", "nosuchdriver", 1);
    SoundPlayer player;
    player.play(path("seikai.wav"));
    player.play(path("seikai.wav"));
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "a failed open leaves audio shut";

    setenv("SDL_AUDIODRIVER", "disk", 1);
    player.play(path("seikai.wav"));
    EXPECT_NE(output().waitForTone(FirstHz), npos);
}

TEST_F(SoundPlayerTest, AudioIsOpenOnlyFromTheFirstCallToDestruction)
{
    {
        SoundPlayer unused;
    }
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "a player that never played";

    auto player = std::make_unique<SoundPlayer>();
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "before the first call";
    player->play(path("seikai.wav"));
    EXPECT_NE(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "after the first call";
    player.reset();
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "after destruction";
}

} // namespace
